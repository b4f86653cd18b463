#include "amigarecords.h"

#include "database.h"

AmigaEmulators readAmigaEmulators(const QSqlDatabase &db, QString *error)
{
    const auto record =
        catalogue::configRecord(db, {QStringLiteral("uae"), QStringLiteral("fellow")}, error);
    if (!record)
        return {};
    return {record->value(0), record->value(1)};
}

std::optional<AmigaDrives> readAmigaDisks(const QSqlDatabase &db, int id, QString *error)
{
    const auto record = catalogue::fetchOne(
        db, QStringLiteral("select emul1, df1, df2, df3 from tabella1 where id = ?"), {id}, error);
    if (!record)
        return std::nullopt;
    return AmigaDrives{record->value(0), record->value(1), record->value(2), record->value(3)};
}
