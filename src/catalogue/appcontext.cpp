#include "appcontext.h"

#include "database.h"

AppContext::AppContext(Paths p, Dialogs &d, Launcher &l)
    : paths(std::move(p)), dialogs(d), launcher(l)
{
}

AppContext::~AppContext()
{
    windows.closeAll();
}

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
