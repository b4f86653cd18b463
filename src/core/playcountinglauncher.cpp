#include "playcountinglauncher.h"

#include "cataloguestore.h"
#include "logging.h"

#include <QDateTime>

PlayCountingLauncher::PlayCountingLauncher(Launcher &launcher, QSqlDatabase db, GameId game)
    : m_launcher(launcher), m_db(std::move(db)), m_game(game)
{
}

bool PlayCountingLauncher::start(const Command &command, QString *error)
{
    if (!m_launcher.start(command, error))
        return false;
    if (m_game == 0)
        return true;
    if (const Outcome counted =
            CatalogueStore(m_db).recordPlay(m_game, QDateTime::currentSecsSinceEpoch());
        !counted)
        qCWarning(lcLaunch) << "game" << m_game
                            << "started, but its play was not counted:" << counted.error();
    return true;
}

bool PlayCountingLauncher::openDocument(const QString &path, QString *error)
{
    return m_launcher.openDocument(path, error);
}
