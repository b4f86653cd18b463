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
        m_connection = catalogue::Connection::open(paths.catalogue, &m_dbError);
        if (!m_connection)
            return {};
    }
    return m_connection->db();
}

void AppContext::closeDb()
{
    m_connection.reset();
}
