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

// One named SQLite connection with the dialect installed; removed again on destruction.
// Opening never creates a file: a missing path is an error.
class Connection
{
public:
    enum class Mode { ReadWrite, ReadOnly, Create };

    // A busy catalogue is waited for busyTimeoutMs, then reported.
    static std::unique_ptr<Connection> open(const QString &path, QString *error,
                                            Mode mode = Mode::ReadWrite,
                                            int busyTimeoutMs = kBusyTimeoutMs);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase db() const;
    QString path() const { return m_path; }

private:
    Connection(QString name, QString path);
    QString m_name;
    QString m_path;
};

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

// Null stays Null; anything else is its text.
inline QVariant textOrNull(const QString &text)
{
    return text.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

// Recognises a Microsoft Jet/ACE database by its header.
bool isJetFile(const QString &path);

// Checks that path is a catalogue this program can open for writing: it exists, is an
// SQLite file that is not truncated, is writable, not locked exclusively, and holds the
// two tables. Returns the reason when it is not, else the empty text.
QString checkCatalogue(const QString &path);

// Checks a file that came from elsewhere before anything is read from it: quick_check and
// every expected table and column.
QString checkForeignCatalogue(const QString &path);

// Writes a new, empty catalogue (schema only) at path; fails when the file exists.
QString createCatalogue(const QString &path);

// The column names of the two tables, in schema order (without id).
const QStringList &gameColumns();
const QStringList &configColumns();

} // namespace catalogue
