#pragma once

class AppContext;
class QString;

// Starts the sound player on file; when it cannot start, beeps, says why and returns
// false. One wording for both music windows.
bool startPlayer(AppContext &ctx, const QString &player, const QString &file);
