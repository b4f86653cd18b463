#include "database.h"

#include "dialect.h"
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

namespace catalogue
{
namespace
{

const char kSchemaSql[] =
#include "schema_sql.inc"
    ;

sqlite3 *nativeHandle(const QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.constData());
}

// The file and the -wal or -journal SQLite would read beside it: a FIFO there would block
// the open for good.
QString checkFileAndSidecars(const QString &path)
{
    if (QString why = checkRegularFile(path); !why.isEmpty())
        return why;
    for (const char *sidecar : {"-wal", "-journal"}) {
        const QString beside = path + QLatin1String(sidecar);
        if (QFileInfo::exists(beside))
            if (QString why = checkRegularFile(beside); !why.isEmpty())
                return why;
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

bool Connection::guard(QString *error)
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
        return true;
    if (error)
        *error = QString::fromUtf8(message);
    sqlite3_free(message);
    return false;
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

std::unique_ptr<Connection> Connection::open(const QString &path, QString *error, Mode mode,
                                             int busyTimeoutMs)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return nullptr;
    };
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
    url.setQuery(QStringLiteral("mode=%1").arg(QLatin1String(modeText)));
    db.setDatabaseName(url.toString(QUrl::FullyEncoded));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        return fail(sqlError(db.lastError()));
    sqlite3 *handle = nativeHandle(db);
    QString why;
    if (!handle)
        return fail(QStringLiteral("the SQLite driver gives no native handle"));
    if (mode == Mode::Foreign && !c->guard(&why))
        return fail(why);
    if (!registerDialect(handle, &why))
        return fail(why);
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

QSqlQuery run(const QSqlDatabase &db, const QString &sql, const QVariantList &params,
              QString *error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        if (error)
            *error = sqlError(q.lastError());
        return q;
    }
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params.at(i));
    if (!q.exec() && error)
        *error = sqlError(q.lastError());
    return q;
}

std::optional<QSqlRecord> fetchOne(const QSqlDatabase &db, const QString &sql,
                                   const QVariantList &params, QString *error)
{
    QSqlQuery q = run(db, sql, params, error);
    if (!q.isActive())
        return std::nullopt;
    if (!q.next()) {
        if (q.lastError().isValid() && error)
            *error = sqlError(q.lastError());
        return std::nullopt;
    }
    return q.record();
}

std::optional<QSqlRecord> configRecord(const QSqlDatabase &db, const QStringList &columns,
                                       QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (error)
        error->clear();
    for (const QString &c : columns)
        if (c.compare(QLatin1String("id"), Qt::CaseInsensitive) != 0 &&
            !configColumns().contains(c, Qt::CaseInsensitive))
            return fail(
                QStringLiteral("\"%1\" is not a column of the configuration record.").arg(c));
    if (!db.isOpen())
        return fail(QStringLiteral("The catalogue is not open."));
    const QString list = columns.isEmpty() ? QStringLiteral("*") : columns.join(u',');
    return fetchOne(db, QStringLiteral("select %1 from tabella2 order by id limit 1").arg(list), {},
                    error);
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

bool WriteTransaction::commit()
{
    if (!m_open)
        return false;
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("COMMIT"))) {
        m_error = sqlError(q.lastError());
        return false;
    }
    m_open = false;
    return true;
}

bool isJetFile(const QString &path)
{
    if (!checkRegularFile(path).isEmpty())
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
        const char *table;
        const QStringList &columns;
    } tables[] = {{"tabella1", gameColumns()}, {"tabella2", configColumns()}};
    for (const auto &t : tables) {
        const QString name = QLatin1String(t.table);
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

QString checkDatabaseFile(const QString &path)
{
    if (QString why = checkFileAndSidecars(path); !why.isEmpty())
        return why;
    if (isJetFile(path))
        return QStringLiteral("%1 is a legacy Jet database").arg(path);
    return checkSqliteHeader(path);
}

QString checkCatalogue(const QString &path)
{
    if (QString why = checkDatabaseFile(path); !why.isEmpty())
        return why;
    if (!QFileInfo(path).isWritable())
        return QStringLiteral("%1 is read-only").arg(path);
    QString error;
    // An exclusive lock held by another program is waited for as long as anywhere else.
    auto c = Connection::open(path, &error, Connection::Mode::ReadWrite, kBusyTimeoutMs);
    if (!c)
        return error;
    return checkTables(c->db(), false);
}

QString checkReadableCatalogue(const QString &path)
{
    if (QString why = checkDatabaseFile(path); !why.isEmpty())
        return why;
    QString error;
    auto c = Connection::open(path, &error, Connection::Mode::ReadOnly, kBusyTimeoutMs);
    if (!c)
        return error;
    return checkTables(c->db(), false);
}

namespace
{

// Only stored rows may be read: a view or virtual table would run the file's own SQL, a
// generated column its own expression.
QString checkOrdinaryTables(const QSqlDatabase &db)
{
    for (const char *table : {"tabella1", "tabella2"}) {
        const QString name = QLatin1String(table);
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

QString checkForeignCatalogue(const QString &path)
{
    if (QString why = checkDatabaseFile(path); !why.isEmpty())
        return why;
    QString error;
    auto c = Connection::open(path, &error, Connection::Mode::Foreign);
    if (!c)
        return error;
    QSqlQuery q(c->db());
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return sqlError(q.lastError());
    if (!q.next() || q.value(0).toString() != QLatin1String("ok"))
        return QStringLiteral("%1 is damaged").arg(path);
    q.finish();
    if (QString why = checkOrdinaryTables(c->db()); !why.isEmpty())
        return why;
    return checkTables(c->db(), true);
}

QString settleCopy(const QString &path)
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
    return why;
}

QString createCatalogue(const QString &path)
{
    QString error;
    auto c = Connection::open(path, &error, Connection::Mode::Create);
    if (!c)
        return error;
    sqlite3 *handle = nativeHandle(c->db());
    char *message = nullptr;
    if (sqlite3_exec(handle, kSchemaSql, nullptr, nullptr, &message) != SQLITE_OK) {
        error = QString::fromUtf8(message);
        sqlite3_free(message);
        return error;
    }
    return {};
}

const QStringList &gameColumns()
{
    static const QStringList columns = {
        QStringLiteral("titolo"),      QStringLiteral("sh"),
        QStringLiteral("team"),        QStringLiteral("year"),
        QStringLiteral("tipo"),        QStringLiteral("formato"),
        QStringLiteral("design"),      QStringLiteral("programming"),
        QStringLiteral("graphics"),    QStringLiteral("music"),
        QStringLiteral("adddesign"),   QStringLiteral("addprogramming"),
        QStringLiteral("addgraphics"), QStringLiteral("addmusic"),
        QStringLiteral("others"),      QStringLiteral("note"),
        QStringLiteral("voto"),        QStringLiteral("emulator"),
        QStringLiteral("emul1"),       QStringLiteral("df1"),
        QStringLiteral("df2"),         QStringLiteral("df3"),
        QStringLiteral("song"),        QStringLiteral("screen1"),
        QStringLiteral("screen2"),     QStringLiteral("dbver")};
    return columns;
}

const QStringList &configColumns()
{
    static const QStringList columns = {
        QStringLiteral("ccs64"),      QStringLiteral("vice"),        QStringLiteral("c64s"),
        QStringLiteral("pc64"),       QStringLiteral("uae"),         QStringLiteral("fellow"),
        QStringLiteral("player1"),    QStringLiteral("player2"),     QStringLiteral("game64"),
        QStringLiteral("music64"),    QStringLiteral("screen64"),    QStringLiteral("gameamiga"),
        QStringLiteral("musicamiga"), QStringLiteral("screenamiga"), QStringLiteral("dbver")};
    return columns;
}

std::optional<QSqlRecord> gameRecord(const QSqlDatabase &db, int id)
{
    return fetchOne(db, QStringLiteral("select * from tabella1 where id=?"), {id});
}

std::optional<int> gameCount(const QSqlDatabase &db, QString *error)
{
    const auto row = fetchOne(db, QStringLiteral("select count(*) from tabella1"), {}, error);
    return row ? std::optional(row->value(0).toInt()) : std::nullopt;
}

QString gameTitle(const QSqlDatabase &db, int id)
{
    const auto row = fetchOne(db, QStringLiteral("select titolo from tabella1 where id=?"), {id});
    return row ? row->value(0).toString() : QString();
}

qint64 dataVersion(const QSqlDatabase &db)
{
    const auto r = fetchOne(db, QStringLiteral("PRAGMA data_version"));
    return r ? r->value(0).toLongLong() : -1;
}

} // namespace catalogue
