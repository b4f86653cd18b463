#include "amigarecords.h"

#include "cataloguestore.h"
#include "database.h"

AmigaEmulators readAmigaEmulators(const QSqlDatabase &db, QString *error)
{
    const auto configuration = CatalogueStore(db).configuration();
    if (error)
        *error = configuration.error();
    if (!configuration)
        return {};
    return {configuration->uae, configuration->fellow};
}

std::optional<AmigaDrives> readAmigaDisks(const QSqlDatabase &db, int id, QString *error)
{
    const auto row = catalogue::fetchOne(
        db, QStringLiteral("select emul1, df1, df2, df3 from tabella1 where id = ?"), {id});
    if (!row && error)
        *error = row.error();
    if (!row || !row->has_value())
        return std::nullopt;
    const QSqlRecord &record = **row;
    return AmigaDrives{record.value(0), record.value(1), record.value(2), record.value(3)};
}
