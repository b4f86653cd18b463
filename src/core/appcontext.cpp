#include "appcontext.h"

#include "database.h"

AppContext::AppContext(Paths p, Dialogs &d, Launcher &l, WindowRegistry &w)
    : paths(std::move(p)), dialogs(d), launcher(l), windows(w)
{
}

AppContext::~AppContext() = default;

QSqlDatabase AppContext::db()
{
    if (!m_connection) {
        auto opened = catalogue::Connection::open(paths.catalogue);
        if (!opened) {
            m_dbError = opened.error();
            return {};
        }
        m_connection = std::move(opened).value();
    }
    return m_connection->db();
}

void AppContext::closeDb()
{
    m_connection.reset();
}
