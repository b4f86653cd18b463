#include "playerstart.h"

#include "appcontext.h"
#include "dialogs.h"
#include "launcher.h"
#include "logging.h"
#include "musiccommand.h"

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
    QString error;
    if (ctx.launcher.start(music::playCommand(player, file), &error))
        return true;
    qCWarning(lcLaunch) << "cannot start" << player << error;
    ctx.dialogs.beep();
    ctx.dialogs.message(
        QCoreApplication::translate("startPlayer", "The sound player could not be started:\n%1\n%2")
            .arg(player, error),
        Dialogs::Icon::Critical, QCoreApplication::translate("startPlayer", "Error"));
    return false;
}
