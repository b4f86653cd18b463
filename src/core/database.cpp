#include "database.h"

#include "dialect.h"

#include <QAtomicInteger>
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

QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("catalogue-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString sqlError(const QSqlError &e)
{
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

} // namespace

Connection::Connection(QString name, QString path)
    : m_name(std::move(name)), m_path(std::move(path))
{
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
    if (mode != Mode::Create && !info.exists())
        return fail(QStringLiteral("%1 does not exist").arg(path));
    if (mode == Mode::Create && info.exists())
        return fail(QStringLiteral("%1 exists already").arg(path));
    if (mode != Mode::Create && isJetFile(path))
        return fail(QStringLiteral("%1 is a legacy Jet database, not a catalogue of this program")
                        .arg(path));

    std::unique_ptr<Connection> c(new Connection(nextConnectionName(), path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), c->m_name);
    // A URI with an explicit mode keeps SQLite from creating a missing file.
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    const char *modeText = mode == Mode::ReadOnly ? "ro" : mode == Mode::Create ? "rwc" : "rw";
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

// The checks both open tests share, before anything is opened.
static QString checkFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QStringLiteral("%1 does not exist").arg(path);
    if (isJetFile(path))
        return QStringLiteral("%1 is a legacy Jet database").arg(path);
    return checkSqliteHeader(path);
}

QString checkCatalogue(const QString &path)
{
    if (QString why = checkFile(path); !why.isEmpty())
        return why;
    if (!QFileInfo(path).isWritable())
        return QStringLiteral("%1 is read-only").arg(path);
    QString error;
    // A short wait: an exclusive lock held by another program means "cannot open".
    auto c = Connection::open(path, &error, Connection::Mode::ReadWrite, 1000);
    if (!c)
        return error;
    return checkTables(c->db(), false);
}

QString checkForeignCatalogue(const QString &path)
{
    if (QString why = checkFile(path); !why.isEmpty())
        return why;
    QString error;
    auto c = Connection::open(path, &error, Connection::Mode::ReadOnly);
    if (!c)
        return error;
    QSqlQuery q(c->db());
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return sqlError(q.lastError());
    if (!q.next() || q.value(0).toString() != QLatin1String("ok"))
        return QStringLiteral("%1 is damaged").arg(path);
    return checkTables(c->db(), true);
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

} // namespace catalogue
