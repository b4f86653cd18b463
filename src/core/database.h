#pragma once

#include "result.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace catalogue
{

constexpr int kSchemaVersion = 1;
constexpr int kApplicationId = 1447116372;
constexpr int kBusyTimeoutMs = 5000;
// Bounds on reading a file that came from elsewhere: the longest value, in bytes, and the
// longest time SQLite may work towards one row (or one statement without rows).
constexpr int kForeignValueLimit = 1000000;
constexpr int kForeignStepLimitMs = 30000;

// One named SQLite connection with the dialect installed; removed again on destruction.
// Opening never creates a file: a missing path is an error, and so is a path (or a -wal or
// -journal beside it) that is no regular file.
class Connection
{
public:
    // Foreign: read-only, for files from elsewhere: defensive, the schema untrusted, no
    // writes, values and the work per step bounded (kForeignValueLimit, kForeignStepLimitMs).
    enum class Mode { ReadWrite, ReadOnly, Create, Foreign };

    // A busy catalogue is waited for busyTimeoutMs, then reported.
    static Result<std::unique_ptr<Connection>>
    open(const QString &path, Mode mode = Mode::ReadWrite, int busyTimeoutMs = kBusyTimeoutMs);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase db() const;
    QString path() const { return m_path; }
    // The time bound of a Foreign connection; a statement that breaks it stops.
    void setStepLimit(int ms);

private:
    struct WorkGuard;
    Connection(QString name, QString path);
    Outcome guard();
    QString m_name;
    QString m_path;
    std::unique_ptr<WorkGuard> m_guard;
};

// SQLite's own connection beneath db; null when db is no SQLite connection.
sqlite3 *nativeHandle(const QSqlDatabase &db);

// The reason an SQLite error gives, with the limit it broke named where it is one of ours.
QString describeError(const QString &sqliteText);

// Runs one statement with positional parameters ("?"); the query is active, positioned
// before its first row.
Result<QSqlQuery> run(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});

// Binds params to statement's positional parameters as Qt's own SQLite driver would (a null
// text as Null), so a row reads back alike. Texts are not copied: params must outlive the
// statement's step. Returns SQLite's result code.
int bindValues(sqlite3_stmt *statement, const QVariantList &params);

// The same, on SQLite itself, handing `row` each row: a long listing then skips the QVariant
// that QSqlQuery makes of every value.
Outcome forEachRow(const QSqlDatabase &db, const QString &sql, const QVariantList &params,
                   const std::function<void(sqlite3_stmt *)> &row);

// A column of such a row as QSqlQuery's value(column).toString() gives it; Null stays null.
QString columnText(sqlite3_stmt *statement, int column);
// The same, quicker, for a file whose text is valid UTF-8 (one the Jet reader wrote): it is
// read as SQLite keeps it, where columnText has SQLite convert it to UTF-16 first.
QString columnUtf8Text(sqlite3_stmt *statement, int column);
// A column's whole number where SQLite holds one; std::nullopt for every other value.
std::optional<qint64> columnInteger(sqlite3_stmt *statement, int column);

// The first row of a query: nothing (std::nullopt) when it has none, a Failure when the
// statement or the step to that row fails.
Result<std::optional<QSqlRecord>> fetchOne(const QSqlDatabase &db, const QString &sql,
                                           const QVariantList &params = {});

// A write transaction that takes the write lock at once (BEGIN IMMEDIATE) and rolls back
// unless committed. error() says why the begin, or else the last commit, failed.
class WriteTransaction
{
public:
    explicit WriteTransaction(const QSqlDatabase &db);
    ~WriteTransaction();
    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    Outcome commit();

private:
    QSqlDatabase m_db;
    bool m_open = false;
    QString m_error;
};

// A text column counts as empty when it is Null or the empty text.
inline bool isEmptyValue(const QVariant &v)
{
    return v.isNull() || v.toString().isEmpty();
}

// SQLite's count of commits by other connections; -1 when it cannot be read.
qint64 dataVersion(const QSqlDatabase &db);

// Recognises a Microsoft Jet/ACE database by its header; only a regular file is read.
bool isJetFile(const QString &path);

// The checks of a file before anything opens it: it and the -wal or -journal beside it are
// regular files (checkRegularFile), it is no Jet file, has an SQLite header and is not
// shorter than the header says.
Outcome checkDatabaseFile(const QString &path);

// Checks that path is a catalogue this program can open for writing: it exists, is an
// SQLite file that is not truncated, is writable, not locked exclusively, and holds the
// two tables. The Failure gives the reason when it is not.
Outcome checkCatalogue(const QString &path);

// The same for a catalogue that is only to be read: it need not be writable.
Outcome checkReadableCatalogue(const QString &path);

// Checks a file that came from elsewhere before anything is read from it: quick_check,
// both tables ordinary tables (no view, no virtual table, no generated or hidden column)
// and every expected column.
Outcome checkForeignCatalogue(const QString &path);

// Folds a -wal or hot -journal lying beside path into it, leaving one plain file. Only for
// a private copy: it writes to path.
Outcome settleCopy(const QString &path);

// Writes a new, empty catalogue (schema only) at path; fails when the file exists.
Outcome createCatalogue(const QString &path);

} // namespace catalogue
