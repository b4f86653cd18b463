#include "largerpagecache.h"

#include "database.h"

#include <QSqlQuery>

namespace catalogue
{

LargerPageCache::LargerPageCache(const QSqlDatabase &db, int kibibytes) : m_db(db)
{
    const auto own = fetchOne(m_db, QStringLiteral("PRAGMA cache_size"));
    if (own && own->has_value())
        m_own = (**own).value(0).toLongLong();
    // A cache that cannot be set only makes the write slower.
    (void)run(m_db, QStringLiteral("PRAGMA cache_size = %1").arg(-qint64(kibibytes)));
}

LargerPageCache::~LargerPageCache()
{
    if (m_own)
        (void)run(m_db, QStringLiteral("PRAGMA cache_size = %1").arg(*m_own));
}

} // namespace catalogue
