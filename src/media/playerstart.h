#pragma once

class AppContext;
class QString;

// Starts the sound player on file; when it cannot start, beeps, says why and returns
// false. One wording for both music windows.
// With the program's music service the player is tracked by it.
bool startPlayer(AppContext &ctx, const QString &player, const QString &file);
// Beeps and shows why a sound player failed.
void reportPlayerFailure(AppContext &ctx, const QString &message);
