#include "playcountinglauncher.h"

#include "cataloguestore.h"
#include "logging.h"

#include <QDateTime>

PlayCountingLauncher::PlayCountingLauncher(Launcher &launcher, QSqlDatabase db, GameId game)
    : m_launcher(launcher), m_db(std::move(db)), m_game(game)
{
}

Outcome PlayCountingLauncher::start(const Command &command)
{
    if (Outcome started = m_launcher.start(command); !started || m_game == 0)
        return started;
    if (const Outcome counted =
            CatalogueStore(m_db).recordPlay(m_game, QDateTime::currentSecsSinceEpoch());
        !counted)
        qCWarning(lcLaunch) << "game" << m_game
                            << "started, but its play was not counted:" << counted.error();
    return {};
}

Outcome PlayCountingLauncher::openDocument(const QString &path)
{
    return m_launcher.openDocument(path);
}
