#include "playerstart.h"

#include "appcontext.h"
#include "dialogs.h"
#include "launcher.h"
#include "logging.h"
#include "musiccommand.h"
#include "musicservice.h"

#include <QCoreApplication>
#include <QFileInfo>

bool startPlayer(AppContext &ctx, const QString &player, const QString &file)
{
    // A missing music file is named as such, not left for the player to stumble over.
    if (!file.isEmpty() && !QFileInfo::exists(file)) {
        ctx.dialogs.beep();
        ctx.dialogs.message(
            QCoreApplication::translate("startPlayer", "The music file is missing:\n%1").arg(file),
            Dialogs::Icon::Critical, QCoreApplication::translate("startPlayer", "Error"));
        return false;
    }
    const Command command = music::playCommand(player, file);
    // The program keeps the player, so Stop, a second Play and quitting can end it.
    const Outcome started =
        ctx.music ? ctx.music->external().start(command) : ctx.launcher.start(command);
    if (started)
        return true;
    QString error = started.error();
    if (!ctx.music) {
        qCWarning(lcLaunch) << "cannot start" << player << error;
        error = QCoreApplication::translate("startPlayer",
                                            "The sound player could not be started:\n%1\n%2")
                    .arg(player, error);
    }
    reportPlayerFailure(ctx, error);
    return false;
}

void reportPlayerFailure(AppContext &ctx, const QString &message)
{
    ctx.dialogs.beep();
    ctx.dialogs.message(message, Dialogs::Icon::Critical,
                        QCoreApplication::translate("startPlayer", "Error"));
}
