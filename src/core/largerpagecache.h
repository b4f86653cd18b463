#pragma once

#include <QSqlDatabase>

#include <optional>

namespace catalogue
{

// Gives a connection a larger page cache for one long write, then its own back. A cache
// that overflows inside a transaction spills pages into the file, each spill after a
// journal sync. Made before the transaction, so that the smaller cache comes back only
// after the pages it would spill have been written.
class LargerPageCache
{
public:
    LargerPageCache(const QSqlDatabase &db, int kibibytes);
    ~LargerPageCache();
    LargerPageCache(const LargerPageCache &) = delete;
    LargerPageCache &operator=(const LargerPageCache &) = delete;

private:
    QSqlDatabase m_db;
    std::optional<qint64> m_own;
};

} // namespace catalogue
