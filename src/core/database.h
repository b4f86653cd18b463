#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

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
    static std::unique_ptr<Connection> open(const QString &path, QString *error,
                                            Mode mode = Mode::ReadWrite,
                                            int busyTimeoutMs = kBusyTimeoutMs);
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
    bool guard(QString *error);
    QString m_name;
    QString m_path;
    std::unique_ptr<WorkGuard> m_guard;
};

// The reason an SQLite error gives, with the limit it broke named where it is one of ours.
QString describeError(const QString &sqliteText);

// Runs one statement with positional parameters ("?"). The returned query is active on
// success; on failure it is inactive and *error says why.
QSqlQuery run(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {},
              QString *error = nullptr);

// First row of a query, or nothing when it has none or fails (then *error is set).
std::optional<QSqlRecord> fetchOne(const QSqlDatabase &db, const QString &sql,
                                   const QVariantList &params = {}, QString *error = nullptr);

// The configuration record: the first row of tabella2 by id, with the named columns (all
// when none are named). Nothing when the table has no row, or when it cannot be read (then
// *error says why). A name that is no column of tabella2 fails before any SQL is run.
std::optional<QSqlRecord> configRecord(const QSqlDatabase &db, const QStringList &columns = {},
                                       QString *error = nullptr);

// A write transaction that takes the write lock at once (BEGIN IMMEDIATE) and rolls back
// unless committed.
class WriteTransaction
{
public:
    explicit WriteTransaction(const QSqlDatabase &db);
    ~WriteTransaction();
    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    bool commit();

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

// One game's row, or nothing when it does not exist or cannot be read.
std::optional<QSqlRecord> gameRecord(const QSqlDatabase &db, int id);
// The number of games; nothing when it cannot be read (then *error says why).
std::optional<int> gameCount(const QSqlDatabase &db, QString *error = nullptr);
// A game's title; empty when it has none or cannot be read.
QString gameTitle(const QSqlDatabase &db, int id);

// SQLite's count of commits by other connections; -1 when it cannot be read.
qint64 dataVersion(const QSqlDatabase &db);

// Recognises a Microsoft Jet/ACE database by its header; only a regular file is read.
bool isJetFile(const QString &path);

// The checks of a file before anything opens it: it and the -wal or -journal beside it are
// regular files (checkRegularFile), it is no Jet file, has an SQLite header and is not
// shorter than the header says.
QString checkDatabaseFile(const QString &path);

// Checks that path is a catalogue this program can open for writing: it exists, is an
// SQLite file that is not truncated, is writable, not locked exclusively, and holds the
// two tables. Returns the reason when it is not, else the empty text.
QString checkCatalogue(const QString &path);

// The same for a catalogue that is only to be read: it need not be writable.
QString checkReadableCatalogue(const QString &path);

// Checks a file that came from elsewhere before anything is read from it: quick_check,
// both tables ordinary tables (no view, no virtual table, no generated or hidden column)
// and every expected column.
QString checkForeignCatalogue(const QString &path);

// Folds a -wal or hot -journal lying beside path into it, leaving one plain file. Only for
// a private copy: it writes to path.
QString settleCopy(const QString &path);

// Writes a new, empty catalogue (schema only) at path; fails when the file exists.
QString createCatalogue(const QString &path);

// The column names of the two tables, in schema order (without id).
const QStringList &gameColumns();
const QStringList &configColumns();

} // namespace catalogue
