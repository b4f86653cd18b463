#include "gamerecords.h"

#include "cataloguestore.h"
#include "database.h"
#include "editconflict.h"

#include <QCoreApplication>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace gamerecords
{
namespace
{

QVariantMap toMap(const QSqlRecord &record)
{
    QVariantMap map;
    for (int i = 0; i < record.count(); ++i)
        map.insert(record.fieldName(i).toLower(), record.value(i));
    return map;
}

// The column names of fields as the schema spells them, or the first unknown one.
bool checkColumns(const QVariantMap &fields, QStringList *columns, QString *error)
{
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const QString name = it.key().toLower();
        if (!CatalogueStore::gameColumns().contains(name)) {
            if (error)
                *error = QCoreApplication::translate("GameRecords",
                                                     "The game record has no field \"%1\".")
                             .arg(it.key());
            return false;
        }
        columns->append(name);
    }
    return true;
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// Writes the checked columns of one game inside the caller's write transaction.
bool writeColumns(const QSqlDatabase &db, int id, const QStringList &columns,
                  const QVariantMap &fields, QString *error)
{
    if (columns.isEmpty()) {
        // Nothing to write; the row must still be there.
        const auto row =
            catalogue::fetchOne(db, QStringLiteral("select id from tabella1 where id=?"), {id});
        if (!row || !row->has_value()) {
            setError(error, row ? recordGoneText() : row.error());
            return false;
        }
        return true;
    }
    QStringList assignments;
    for (const QString &c : columns)
        assignments << c + QStringLiteral("=?");
    QVariantList values = fields.values();
    values << id;
    const auto q = catalogue::run(
        db,
        QStringLiteral("update tabella1 set %1 where id=?").arg(assignments.join(QLatin1Char(','))),
        values);
    if (!q) {
        setError(error, q.error());
        return false;
    }
    if (q->numRowsAffected() < 1) {
        setError(error, recordGoneText());
        return false;
    }
    return true;
}

} // namespace

QVariant storedText(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

QString recordGoneText()
{
    return QCoreApplication::translate(
        "GameRecords", "This game is no longer in the catalogue: it was deleted meanwhile.");
}

std::optional<QVariantMap> loadGame(const QSqlDatabase &db, int id, QString *error)
{
    const auto record =
        catalogue::fetchOne(db, QStringLiteral("select * from tabella1 where id=?"), {id});
    if (!record || !record->has_value()) {
        setError(error, record ? recordGoneText() : record.error());
        return std::nullopt;
    }
    return toMap(**record);
}

int insertGame(const QSqlDatabase &db, const QVariantMap &fields, QString *error)
{
    QStringList columns;
    if (!checkColumns(fields, &columns, error))
        return 0;
    QString sql;
    if (columns.isEmpty()) {
        sql = QStringLiteral("insert into tabella1 default values");
    } else {
        const QStringList marks(columns.size(), QStringLiteral("?"));
        sql = QStringLiteral("insert into tabella1 (%1) values (%2)")
                  .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    }
    catalogue::WriteTransaction transaction(db);
    if (!transaction.isOpen()) {
        setError(error, transaction.error());
        return 0;
    }
    int id = 0;
    {
        const auto q = catalogue::run(db, sql, fields.values());
        if (!q) {
            setError(error, q.error());
            return 0;
        }
        id = q->lastInsertId().toInt();
    }
    if (!transaction.commit()) {
        setError(error, transaction.error());
        return 0;
    }
    return id;
}

bool updateGame(const QSqlDatabase &db, int id, const QVariantMap &fields, QString *error)
{
    QStringList columns;
    if (!checkColumns(fields, &columns, error))
        return false;
    catalogue::WriteTransaction transaction(db);
    if (!transaction.isOpen()) {
        setError(error, transaction.error());
        return false;
    }
    if (!writeColumns(db, id, columns, fields, error))
        return false;
    if (!transaction.commit()) {
        setError(error, transaction.error());
        return false;
    }
    return true;
}

GuardedUpdate updateGameUnlessChanged(const QSqlDatabase &db, int id, const QVariantMap &fields,
                                      const QVariantMap &loaded)
{
    GuardedUpdate result;
    QStringList columns;
    if (!checkColumns(fields, &columns, &result.error))
        return result;
    // The write lock is held from the comparison to the write: nobody changes the row
    // in between.
    catalogue::WriteTransaction transaction(db);
    if (!transaction.isOpen()) {
        result.error = transaction.error();
        return result;
    }
    const auto stored = loadGame(db, id, &result.error);
    if (!stored)
        return result;
    result.stored = *stored;
    result.lostColumns = editconflict::lostColumns(loaded, *stored, fields);
    if (!result.lostColumns.isEmpty() || !writeColumns(db, id, columns, fields, &result.error))
        return result;
    if (!transaction.commit()) {
        result.error = transaction.error();
        return result;
    }
    result.written = true;
    return result;
}

QVariantMap loadConfiguration(const QSqlDatabase &db, QString *error)
{
    if (!db.isOpen()) {
        setError(error, QStringLiteral("The catalogue is not open."));
        return {};
    }
    const auto record =
        catalogue::fetchOne(db, QStringLiteral("select * from tabella2 order by id limit 1"));
    setError(error, record.error());
    return record && record->has_value() ? toMap(**record) : QVariantMap();
}

QList<GameEntry> gamesByMachinePrefix(const QSqlDatabase &db, const QString &prefix, QString *error)
{
    QList<GameEntry> games;
    Result<QSqlQuery> q = catalogue::run(
        db,
        QStringLiteral("select id, titolo from tabella1 where formato like ? order by titolo, id"),
        {QString(prefix + QLatin1Char('*'))});
    if (!q) {
        setError(error, q.error());
        return games;
    }
    while (q->next())
        games.append({q->value(0).toInt(), q->value(1).toString()});
    return games;
}

} // namespace gamerecords
