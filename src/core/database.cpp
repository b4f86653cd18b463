#include "database.h"

#include "cataloguestore.h"
#include "dialect.h"
#include "readaheadvfs.h"
#include "regularfile.h"

#include <QAtomicInteger>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QUrl>
#include <QtEndian>

#include <sqlite3.h>

#include <algorithm>

namespace catalogue
{
namespace
{

const char kSchemaSql[] =
#include "schema_sql.inc"
    ;

// The file and the -wal or -journal SQLite would read beside it: a FIFO there would block
// the open for good.
QString checkFileAndSidecars(const QString &path)
{
    if (const Outcome file = checkRegularFile(path); !file)
        return file.error();
    for (const char *sidecar : {"-wal", "-journal"}) {
        const QString beside = path + QLatin1String(sidecar);
        if (QFileInfo::exists(beside))
            if (const Outcome file = checkRegularFile(beside); !file)
                return file.error();
    }
    return {};
}

QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("catalogue-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString sqlError(const QSqlError &e)
{
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown database error") : describeError(text);
}

Failure sqlFailure(const QSqlError &e)
{
    return {sqlError(e)};
}

Outcome outcomeOf(const QString &why)
{
    if (why.isEmpty())
        return {};
    return Failure{why};
}

// A killed writer leaves a hot journal that a read-only connection cannot roll back: a
// short read-write visit does it. Opening an existing file this way creates nothing.
void rollBackHotJournal(const QString &path)
{
    const QFileInfo file(path);
    if (!QFileInfo::exists(path + QStringLiteral("-journal")) || !file.isWritable() ||
        !QFileInfo(file.absolutePath()).isWritable())
        return;
    sqlite3 *handle = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(file.absoluteFilePath()).constData(), &handle,
                        SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(handle, kBusyTimeoutMs);
        sqlite3_exec(handle, "select count(*) from sqlite_master", nullptr, nullptr, nullptr);
    }
    sqlite3_close(handle);
}

} // namespace

sqlite3 *nativeHandle(const QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.constData());
}

// Restarted when a statement starts and at each row it gives; the progress handler stops
// the statement once SQLite has worked longer than the limit without giving a row.
struct Connection::WorkGuard {
    QElapsedTimer clock;
    QAtomicInteger<int> limitMs = kForeignStepLimitMs;
};

QString describeError(const QString &sqliteText)
{
    if (sqliteText.contains(QLatin1String("interrupted")))
        return QStringLiteral("%1: a step took longer than the time limit of %2 s for files "
                              "from elsewhere")
            .arg(sqliteText)
            .arg(kForeignStepLimitMs / 1000);
    if (sqliteText.contains(QLatin1String("string or blob too big")))
        return QStringLiteral("%1: a value is longer than the size limit of %2 bytes for files "
                              "from elsewhere")
            .arg(sqliteText)
            .arg(kForeignValueLimit);
    return sqliteText;
}

Connection::Connection(QString name, QString path)
    : m_name(std::move(name)), m_path(std::move(path))
{
}

void Connection::setStepLimit(int ms)
{
    if (m_guard)
        m_guard->limitMs.storeRelaxed(ms);
}

Outcome Connection::guard()
{
    sqlite3 *handle = nativeHandle(db());
    m_guard = std::make_unique<WorkGuard>();
    m_guard->clock.start();
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_limit(handle, SQLITE_LIMIT_LENGTH, kForeignValueLimit);
    sqlite3_trace_v2(
        handle, SQLITE_TRACE_STMT | SQLITE_TRACE_ROW,
        [](unsigned, void *guard, void *, void *) {
            static_cast<WorkGuard *>(guard)->clock.restart();
            return 0;
        },
        m_guard.get());
    sqlite3_progress_handler(
        handle, 1000,
        [](void *p) {
            const auto *guard = static_cast<WorkGuard *>(p);
            return guard->clock.elapsed() > guard->limitMs.loadRelaxed() ? 1 : 0;
        },
        m_guard.get());
    char *message = nullptr;
    if (sqlite3_exec(handle, "PRAGMA query_only = 1", nullptr, nullptr, &message) == SQLITE_OK)
        return {};
    Failure failure{QString::fromUtf8(message)};
    sqlite3_free(message);
    return failure;
}

Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Connection::db() const
{
    return QSqlDatabase::database(m_name, false);
}

Result<std::unique_ptr<Connection>> Connection::open(const QString &path, Mode mode,
                                                     int busyTimeoutMs)
{
    const auto fail = [](const QString &why) { return Failure{why}; };
    if (path.isEmpty())
        return fail(QStringLiteral("no catalogue path given"));
    const QFileInfo info(path);
    if (mode != Mode::Create)
        if (QString why = checkFileAndSidecars(path); !why.isEmpty())
            return fail(why);
    if (mode == Mode::Create && info.exists())
        return fail(QStringLiteral("%1 exists already").arg(path));
    if (mode != Mode::Create && isJetFile(path))
        return fail(QStringLiteral("%1 is a legacy Jet database, not a catalogue of this program "
                                   "(merrow --convert-legacy makes one of it)")
                        .arg(path));

    if (mode == Mode::ReadOnly)
        rollBackHotJournal(path);

    std::unique_ptr<Connection> c(new Connection(nextConnectionName(), path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), c->m_name);
    // A URI with an explicit mode keeps SQLite from creating a missing file.
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    const char *modeText = mode == Mode::Create ? "rwc" : mode == Mode::ReadWrite ? "rw" : "ro";
    QString query = QStringLiteral("mode=%1").arg(QLatin1String(modeText));
    const char *readAhead = mode == Mode::ReadOnly ? readAheadVfsName() : nullptr;
    if (readAhead)
        query += QStringLiteral("&vfs=") + QLatin1String(readAhead);
    url.setQuery(query);
    db.setDatabaseName(url.toString(QUrl::FullyEncoded));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        return fail(sqlError(db.lastError()));
    sqlite3 *handle = nativeHandle(db);
    if (!handle)
        return fail(QStringLiteral("the SQLite driver gives no native handle"));
    if (mode == Mode::Foreign)
        if (Outcome guarded = c->guard(); !guarded)
            return guarded.failure();
    if (const Outcome registered = registerDialect(handle); !registered)
        return fail(registered.error());
    // A read-only connection mostly scans the file once: a small page cache reuses buffers
    // still in the processor's cache, where the default one cycles through 2 MB of them.
    if (mode == Mode::ReadOnly)
        sqlite3_exec(handle, "PRAGMA cache_size = -256", nullptr, nullptr, nullptr);
    // SQLite asks its VFS for pages instead of reading them only with a map size set. The
    // read-ahead VFS then lends them from its chunks; nothing is mapped.
    if (readAhead)
        sqlite3_exec(handle, "PRAGMA mmap_size = 65536", nullptr, nullptr, nullptr);
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("PRAGMA user_version")) || !probe.next())
        return fail(sqlError(probe.lastError()));
    if (probe.value(0).toInt() > kSchemaVersion)
        return fail(QStringLiteral("%1 was written by a newer version of this program "
                                   "(format %2, this program reads up to %3)")
                        .arg(path)
                        .arg(probe.value(0).toInt())
                        .arg(kSchemaVersion));
    return c;
}

Result<QSqlQuery> run(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        return sqlFailure(q.lastError());
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params.at(i));
    if (!q.exec())
        return sqlFailure(q.lastError());
    return q;
}

int bindValues(sqlite3_stmt *statement, const QVariantList &params)
{
    int rc = SQLITE_OK;
    for (int i = 0; i < params.size() && rc == SQLITE_OK; ++i) {
        const QVariant &value = params.at(i);
        if (value.isNull() || (value.typeId() == QMetaType::QString &&
                               static_cast<const QString *>(value.constData())->isNull())) {
            rc = sqlite3_bind_null(statement, i + 1);
            continue;
        }
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
            rc = sqlite3_bind_int64(statement, i + 1, value.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(statement, i + 1, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob(statement, i + 1, bytes.constData(), int(bytes.size()),
                                   SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QString: {
            // The list outlives the step, so SQLite may read the text where it lies.
            const QString *text = static_cast<const QString *>(value.constData());
            rc = sqlite3_bind_text16(statement, i + 1, text->utf16(),
                                     int(text->size() * sizeof(QChar)), SQLITE_STATIC);
            break;
        }
        default: {
            const QString text = value.toString();
            rc = sqlite3_bind_text16(statement, i + 1, text.utf16(),
                                     int(text.size() * sizeof(QChar)), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    return rc;
}

Outcome forEachRow(const QSqlDatabase &db, const QString &sql, const QVariantList &params,
                   const std::function<void(sqlite3_stmt *)> &row)
{
    sqlite3 *handle = nativeHandle(db);
    if (!handle)
        return Failure{QStringLiteral("the SQLite driver gives no native handle")};
    const auto failure = [handle] {
        return Failure{describeError(QString::fromUtf8(sqlite3_errmsg(handle)))};
    };
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *prepared = nullptr;
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &prepared, nullptr) !=
        SQLITE_OK)
        return failure();
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> statement(prepared,
                                                                           &sqlite3_finalize);
    if (bindValues(prepared, params) != SQLITE_OK)
        return failure();
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(prepared)) == SQLITE_ROW)
        row(prepared);
    if (rc != SQLITE_DONE)
        return failure();
    return {};
}

QString columnText(sqlite3_stmt *statement, int column)
{
    // As the Qt driver reads each kind of value, then QVariant::toString().
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QString::number(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column)).toString();
    case SQLITE_BLOB:
        return QString::fromUtf8(static_cast<const char *>(sqlite3_column_blob(statement, column)),
                                 sqlite3_column_bytes(statement, column));
    default:
        // ASCII, most values, needs no conversion to UTF-16 by SQLite first.
        const auto *utf8 = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
        const int bytes = sqlite3_column_bytes(statement, column);
        if (std::all_of(utf8, utf8 + bytes, [](char c) { return uchar(c) < 0x80; }))
            return QString::fromLatin1(utf8, bytes);
        const void *utf16 = sqlite3_column_text16(statement, column);
        return QString(static_cast<const QChar *>(utf16),
                       sqlite3_column_bytes16(statement, column) / 2);
    }
}

QString columnUtf8Text(sqlite3_stmt *statement, int column)
{
    if (sqlite3_column_type(statement, column) != SQLITE_TEXT)
        return columnText(statement, column);
    const auto *utf8 = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(utf8, sqlite3_column_bytes(statement, column));
}

std::optional<qint64> columnInteger(sqlite3_stmt *statement, int column)
{
    if (sqlite3_column_type(statement, column) != SQLITE_INTEGER)
        return std::nullopt;
    return sqlite3_column_int64(statement, column);
}

Result<std::optional<QSqlRecord>> fetchOne(const QSqlDatabase &db, const QString &sql,
                                           const QVariantList &params)
{
    Result<QSqlQuery> q = run(db, sql, params);
    if (!q)
        return q.failure();
    if (q->next())
        return std::optional(q->record());
    if (q->lastError().isValid())
        return sqlFailure(q->lastError());
    return std::optional<QSqlRecord>();
}

WriteTransaction::WriteTransaction(const QSqlDatabase &db) : m_db(db)
{
    QSqlQuery q(m_db);
    m_open = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (!m_open)
        m_error = sqlError(q.lastError());
}

WriteTransaction::~WriteTransaction()
{
    if (m_open) {
        QSqlQuery q(m_db);
        q.exec(QStringLiteral("ROLLBACK"));
    }
}

Outcome WriteTransaction::commit()
{
    if (!m_open)
        return Failure{m_error.isEmpty() ? QStringLiteral("no transaction is open") : m_error};
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("COMMIT"))) {
        m_error = sqlError(q.lastError());
        return Failure{m_error};
    }
    m_open = false;
    return {};
}

bool isJetFile(const QString &path)
{
    if (!checkRegularFile(path))
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(20);
    return head.size() >= 19 &&
           (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB");
}

namespace
{

// The SQLite header tells the page size and, when valid, the page count: a file shorter
// than that lost its tail.
QString checkSqliteHeader(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read").arg(path);
    const QByteArray h = f.read(100);
    if (h.size() < 100 || !h.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return QStringLiteral("%1 is not a catalogue database").arg(path);
    const auto *u = reinterpret_cast<const uchar *>(h.constData());
    qint64 pageSize = qFromBigEndian<quint16>(u + 16);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pages = qFromBigEndian<quint32>(u + 28);
    const quint32 changeCounter = qFromBigEndian<quint32>(u + 24);
    const quint32 validFor = qFromBigEndian<quint32>(u + 92);
    if (pages != 0 && changeCounter == validFor && f.size() < pageSize * qint64(pages))
        return QStringLiteral("%1 is truncated").arg(path);
    return {};
}

QString checkTables(const QSqlDatabase &db, bool allColumns)
{
    const struct {
        QString name;
        const QStringList &columns;
    } tables[] = {{CatalogueStore::gameTable(), CatalogueStore::gameColumns()},
                  {CatalogueStore::configTable(), CatalogueStore::configColumns()}};
    for (const auto &t : tables) {
        const QString &name = t.name;
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(name)))
            return sqlError(q.lastError());
        QStringList present;
        while (q.next())
            present << q.value(1).toString().toLower();
        if (present.isEmpty())
            return QStringLiteral("the table %1 is missing").arg(name);
        if (!allColumns)
            continue;
        for (const QString &column : t.columns)
            if (!present.contains(column))
                return QStringLiteral("the table %1 has no column %2").arg(name, column);
    }
    return {};
}

} // namespace

Outcome checkDatabaseFile(const QString &path)
{
    if (QString why = checkFileAndSidecars(path); !why.isEmpty())
        return Failure{why};
    if (isJetFile(path))
        return Failure{QStringLiteral("%1 is a legacy Jet database").arg(path)};
    return outcomeOf(checkSqliteHeader(path));
}

Outcome checkCatalogue(const QString &path)
{
    if (Outcome file = checkDatabaseFile(path); !file)
        return file;
    if (!QFileInfo(path).isWritable())
        return Failure{QStringLiteral("%1 is read-only").arg(path)};
    // An exclusive lock held by another program is waited for as long as anywhere else.
    const auto c = Connection::open(path, Connection::Mode::ReadWrite, kBusyTimeoutMs);
    if (!c)
        return c.failure();
    return outcomeOf(checkTables((*c)->db(), false));
}

Outcome checkReadableCatalogue(const QString &path)
{
    if (Outcome file = checkDatabaseFile(path); !file)
        return file;
    const auto c = Connection::open(path, Connection::Mode::ReadOnly, kBusyTimeoutMs);
    if (!c)
        return c.failure();
    return outcomeOf(checkTables((*c)->db(), false));
}

namespace
{

// Only stored rows may be read: a view or virtual table would run the file's own SQL, a
// generated column its own expression.
QString checkOrdinaryTables(const QSqlDatabase &db)
{
    for (const QString &name : {CatalogueStore::gameTable(), CatalogueStore::configTable()}) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("select type, sql from sqlite_master where lower(name) = ?"));
        q.addBindValue(name);
        if (!q.exec())
            return sqlError(q.lastError());
        if (!q.next())
            continue; // reported as missing by the column check
        if (q.value(0).toString() != QLatin1String("table"))
            return QStringLiteral("%1 is a %2, not a table").arg(name, q.value(0).toString());
        if (q.value(1).toString().simplified().startsWith(QLatin1String("create virtual"),
                                                          Qt::CaseInsensitive))
            return QStringLiteral("%1 is a virtual table").arg(name);
        if (!q.exec(QStringLiteral("PRAGMA table_xinfo(%1)").arg(name)))
            return sqlError(q.lastError());
        while (q.next())
            if (q.value(6).toInt() != 0)
                return QStringLiteral("the column %1 of %2 is generated or hidden")
                    .arg(q.value(1).toString(), name);
    }
    return {};
}

} // namespace

Outcome checkForeignCatalogue(const QString &path)
{
    if (Outcome file = checkDatabaseFile(path); !file)
        return file;
    const auto c = Connection::open(path, Connection::Mode::Foreign);
    if (!c)
        return c.failure();
    const QSqlDatabase db = (*c)->db();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return sqlFailure(q.lastError());
    if (!q.next() || q.value(0).toString() != QLatin1String("ok"))
        return Failure{QStringLiteral("%1 is damaged").arg(path)};
    q.finish();
    if (QString why = checkOrdinaryTables(db); !why.isEmpty())
        return Failure{why};
    return outcomeOf(checkTables(db, true));
}

Outcome settleCopy(const QString &path)
{
    sqlite3 *handle = nullptr;
    QString why;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, SQLITE_OPEN_READWRITE,
                        nullptr) == SQLITE_OK) {
        sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        char *message = nullptr;
        // Reading rolls a hot journal back; leaving WAL mode copies the -wal in.
        if (sqlite3_exec(handle, "select count(*) from sqlite_master; PRAGMA journal_mode = DELETE",
                         nullptr, nullptr, &message) != SQLITE_OK)
            why = QString::fromUtf8(message ? message : sqlite3_errmsg(handle));
        sqlite3_free(message);
    } else {
        why = QString::fromUtf8(handle ? sqlite3_errmsg(handle) : "out of memory");
    }
    sqlite3_close(handle);
    if (why.isEmpty() && QFileInfo::exists(path + QStringLiteral("-wal")))
        why = QStringLiteral("its -wal file could not be taken in");
    return outcomeOf(why);
}

Outcome createCatalogue(const QString &path)
{
    const auto c = Connection::open(path, Connection::Mode::Create);
    if (!c)
        return c.failure();
    sqlite3 *handle = nativeHandle((*c)->db());
    char *message = nullptr;
    if (sqlite3_exec(handle, kSchemaSql, nullptr, nullptr, &message) != SQLITE_OK) {
        Failure failure{QString::fromUtf8(message)};
        sqlite3_free(message);
        return failure;
    }
    return {};
}

qint64 dataVersion(const QSqlDatabase &db)
{
    const auto r = fetchOne(db, QStringLiteral("PRAGMA data_version"));
    return r.ok() && r->has_value() ? (*r)->value(0).toLongLong() : -1;
}

} // namespace catalogue
