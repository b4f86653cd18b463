#include "transfer.h"

#include "cataloguestore.h"
#include "database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <QSet>

#include <optional>

namespace merrow
{
namespace
{

struct Game {
    qint64 exportId = 0;
    bool present = false; // a selected id may be missing from the export file
    QVariantList values;  // Transfer::fields() order
};

struct Pending {
    QString line;
    enum { Added, Modified, Skipped } kind = Added;
};

QString errorText(const QSqlQuery &q)
{
    const QSqlError e = q.lastError();
    const QString t = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return t.isEmpty() ? QStringLiteral("unknown database error") : catalogue::describeError(t);
}

QString text(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

} // namespace

Transfer::Transfer(const QSqlDatabase &catalogue, const QSqlDatabase &source)
    : m_catalogue(catalogue), m_source(source)
{
}

const QStringList &Transfer::fields()
{
    static const QStringList columns = {
        QStringLiteral("titolo"),      QStringLiteral("formato"),
        QStringLiteral("sh"),          QStringLiteral("team"),
        QStringLiteral("design"),      QStringLiteral("programming"),
        QStringLiteral("graphics"),    QStringLiteral("music"),
        QStringLiteral("adddesign"),   QStringLiteral("addprogramming"),
        QStringLiteral("addgraphics"), QStringLiteral("addmusic"),
        QStringLiteral("others"),      QStringLiteral("note"),
        QStringLiteral("dbver"),       QStringLiteral("Year"),
        QStringLiteral("tipo")};
    return columns;
}

namespace
{

QString columnList()
{
    return Transfer::fields().join(QStringLiteral(", "));
}

Game readGame(const QSqlQuery &q)
{
    Game g;
    g.exportId = q.value(0).toLongLong();
    g.present = true;
    // A number or blob from elsewhere is stored as its text: every game stays listable.
    for (int i = 1; i <= Transfer::fields().size(); ++i) {
        const QVariant v = q.value(i);
        g.values << (v.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(v.toString()));
    }
    return g;
}

QString readFailure(const QSqlQuery &q)
{
    return QStringLiteral("cannot read the export file: ") + errorText(q);
}

// Reads the export games a batch at a time: memory stays flat whatever the file's size.
class GameReader
{
public:
    GameReader(const QSqlDatabase &source, TransferMode mode, const QList<qint64> &ids)
        : m_source(source), m_query(source), m_mode(mode), m_ids(firstOccurrences(ids))
    {
        m_query.setForwardOnly(true);
    }
    // Prepares the reading; *total is the number of games it will give.
    QString start(int *total);
    // Up to count more games; none at the end.
    QString next(int count, QList<Game> *games);

private:
    QString nextSelected(int count, QList<Game> *games);

    // A game chosen twice is transferred once, where it was first chosen.
    static QList<qint64> firstOccurrences(const QList<qint64> &ids);

    QSqlDatabase m_source;
    QSqlQuery m_query;
    TransferMode m_mode;
    const QList<qint64> m_ids;
    int m_position = 0;
};

QList<qint64> GameReader::firstOccurrences(const QList<qint64> &ids)
{
    QList<qint64> out;
    QSet<qint64> seen;
    for (const qint64 id : ids) {
        const qsizetype before = seen.size();
        seen.insert(id);
        if (seen.size() > before)
            out.append(id);
    }
    return out;
}

QString GameReader::start(int *total)
{
    const QString select = QStringLiteral("select id, %1 from tabella1").arg(columnList());
    if (m_mode == TransferMode::Selected) {
        *total = m_ids.size();
        return m_query.prepare(select + QStringLiteral(" where id = ?")) ? QString()
                                                                         : readFailure(m_query);
    }
    const auto count = CatalogueStore(m_source).gameCount();
    if (!count)
        return QStringLiteral("cannot read the export file: ") + count.error();
    *total = int(*count);
    if (!m_query.prepare(select + QStringLiteral(" order by id")) || !m_query.exec())
        return readFailure(m_query);
    return {};
}

QString GameReader::next(int count, QList<Game> *games)
{
    games->clear();
    if (m_mode == TransferMode::Selected)
        return nextSelected(count, games);
    while (games->size() < count && m_query.next())
        games->append(readGame(m_query));
    return m_query.lastError().isValid() ? readFailure(m_query) : QString();
}

// The chosen ids in their order; an id the file does not hold comes back not present.
QString GameReader::nextSelected(int count, QList<Game> *games)
{
    for (; games->size() < count && m_position < m_ids.size(); ++m_position) {
        const qint64 id = m_ids.at(m_position);
        m_query.bindValue(0, id);
        if (!m_query.exec())
            return readFailure(m_query);
        if (m_query.next()) {
            games->append(readGame(m_query));
        } else {
            if (m_query.lastError().isValid())
                return readFailure(m_query);
            Game missing;
            missing.exportId = id;
            games->append(missing);
        }
        m_query.finish();
    }
    return {};
}

using LogFunction = std::function<void(const QString &, const TransferResult &)>;

// The match key, titolo and formato, leads Transfer::fields().
constexpr int kKeyColumns = 2;

// What writing a game over the stored game it matches would change.
enum class Change {
    None,
    Values, // columns after the key
    Key     // the key's letter case, perhaps with the rest
};

// Whether writing incoming over stored leaves the stored value as it was: Null and the empty
// text differ, as do letter cases and a stored value that is no text.
bool sameStored(const QVariant &stored, const QVariant &incoming)
{
    if (stored.isNull() || incoming.isNull())
        return stored.isNull() == incoming.isNull();
    return stored.typeId() == QMetaType::QString && stored.toString() == incoming.toString();
}

// stored is a row of the id and Transfer::fields(); values are in the same order.
Change changeOf(const QSqlQuery &stored, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        if (!sameStored(stored.value(i + 1), values.at(i)))
            return i < kKeyColumns ? Change::Key : Change::Values;
    return Change::None;
}

// Writes the games batch by batch through statements prepared once.
class BatchWriter
{
public:
    BatchWriter(const QSqlDatabase &catalogue, TransferMode mode, const LogFunction &onLog)
        : m_catalogue(catalogue), m_mode(mode), m_onLog(onLog), m_find(catalogue),
          m_insert(catalogue), m_update(catalogue), m_updateValues(catalogue)
    {
    }
    QString prepare();
    QString write(const QList<Game> &games, TransferResult *result);

private:
    QString writeGame(const Game &g, Pending *pending);
    QString store(const QVariantList &values, const QVariant &localId, Change change);

    QSqlDatabase m_catalogue;
    TransferMode m_mode;
    const LogFunction &m_onLog;
    QSqlQuery m_find, m_insert, m_update, m_updateValues;
};

QString BatchWriter::prepare()
{
    QStringList marks, sets;
    for (const QString &n : Transfer::fields()) {
        marks << QStringLiteral("?");
        sets << n + QStringLiteral(" = ?");
    }
    const QString update = QStringLiteral("update tabella1 set %1 where id = ?");
    const std::pair<QSqlQuery *, QString> statements[] = {
        {&m_find, QStringLiteral("select id, %1 from tabella1 where titolo is ? and formato is ? "
                                 "order by id limit 1")
                      .arg(columnList())},
        {&m_insert, QStringLiteral("insert into tabella1 (%1) values (%2)")
                        .arg(columnList(), marks.join(QStringLiteral(", ")))},
        {&m_update, update.arg(sets.join(QStringLiteral(", ")))},
        {&m_updateValues, update.arg(sets.mid(kKeyColumns).join(QStringLiteral(", ")))}};
    for (const auto &[query, sql] : statements) {
        // A scrollable query caches rows for every run: here each is read once, in order.
        query->setForwardOnly(true);
        if (!query->prepare(sql))
            return QStringLiteral("cannot prepare the catalogue: ") + errorText(*query);
    }
    return {};
}

// Adds values as a new game when localId is Null, else writes them over that game. An
// unchanged key stays out of the update, so the (titolo, formato) index is not rewritten.
QString BatchWriter::store(const QVariantList &values, const QVariant &localId, Change change)
{
    QSqlQuery &write = localId.isNull()        ? m_insert
                       : change == Change::Key ? m_update
                                               : m_updateValues;
    const int first = &write == &m_updateValues ? kKeyColumns : 0;
    for (int c = first; c < values.size(); ++c)
        write.bindValue(c - first, values.at(c));
    if (!localId.isNull())
        write.bindValue(values.size() - first, localId);
    if (!write.exec())
        return errorText(write);
    write.finish();
    return {};
}

// Writes one game; pending->line is what the log says about it, empty when it was left alone.
QString BatchWriter::writeGame(const Game &g, Pending *pending)
{
    if (!g.present) {
        *pending = {QStringLiteral("Skipped game %1: not in the export file").arg(g.exportId),
                    Pending::Skipped};
        return {};
    }
    const QString what = text(g.values.at(0)) + QStringLiteral(" for ") + text(g.values.at(1));
    m_find.bindValue(0, g.values.at(0));
    m_find.bindValue(1, g.values.at(1));
    if (!m_find.exec())
        return QStringLiteral("cannot look up ") + what + QStringLiteral(": ") + errorText(m_find);
    const bool present = m_find.next();
    const QVariant localId = present ? m_find.value(0) : QVariant();
    const Change change = present ? changeOf(m_find, g.values) : Change::Key;
    m_find.finish();
    if (present && (m_mode == TransferMode::New || change == Change::None))
        return {};
    if (QString why = store(g.values, localId, change); !why.isEmpty())
        return QStringLiteral("cannot write ") + what + QStringLiteral(": ") + why;
    *pending = {(present ? QStringLiteral("Modified ") : QStringLiteral("Added ")) + what,
                present ? Pending::Modified : Pending::Added};
    return {};
}

// Writes the games in one transaction; the log hears of them once committed.
QString BatchWriter::write(const QList<Game> &games, TransferResult *result)
{
    catalogue::WriteTransaction tx(m_catalogue);
    if (!tx.isOpen())
        return QStringLiteral("cannot write to the catalogue: ") + tx.error();
    QList<Pending> pending;
    for (const Game &game : games) {
        Pending p;
        if (QString why = writeGame(game, &p); !why.isEmpty())
            return why;
        if (!p.line.isEmpty())
            pending.append(p);
    }
    if (Outcome committed = tx.commit(); !committed)
        return QStringLiteral("cannot save to the catalogue: ") + committed.error();
    for (const Pending &p : pending) {
        ++(p.kind == Pending::Added      ? result->added
           : p.kind == Pending::Modified ? result->modified
                                         : result->skipped);
        if (m_onLog)
            m_onLog(p.line, *result);
    }
    return {};
}

// Gives the catalogue connection a page cache that holds a whole batch while the transfer
// runs, then its own back: a cache that overflows mid-batch spills pages into the file, and
// every spill syncs the journal first.
class BatchCache
{
public:
    explicit BatchCache(const QSqlDatabase &catalogue) : m_catalogue(catalogue)
    {
        // Only the speed depends on the cache: a failure here is no reason to stop.
        const auto own = catalogue::fetchOne(m_catalogue, QStringLiteral("PRAGMA cache_size"));
        if (own && own->has_value())
            m_own = (*own)->value(0).toLongLong();
        (void)catalogue::run(m_catalogue, QStringLiteral("PRAGMA cache_size = -32768")); // KiB
    }
    ~BatchCache()
    {
        if (m_own)
            (void)catalogue::run(m_catalogue, QStringLiteral("PRAGMA cache_size = %1").arg(*m_own));
    }
    BatchCache(const BatchCache &) = delete;
    BatchCache &operator=(const BatchCache &) = delete;

private:
    QSqlDatabase m_catalogue;
    std::optional<qint64> m_own;
};

} // namespace

TransferResult Transfer::run(TransferMode mode, const QList<qint64> &selectedIds)
{
    TransferResult result;
    QList<Game> games;
    const BatchCache cache(m_catalogue);
    BatchWriter writer(m_catalogue, mode, onLog);
    GameReader reader(m_source, mode, selectedIds);
    int total = 0;
    QString why = reader.start(&total);
    if (why.isEmpty())
        why = writer.prepare();
    if (why.isEmpty() && onProgress)
        onProgress(0, total);
    for (int done = 0; why.isEmpty() && !(cancelled && cancelled());) {
        why = reader.next(m_batchSize, &games);
        if (!why.isEmpty() || games.isEmpty())
            break;
        why = writer.write(games, &result);
        if (!why.isEmpty())
            break;
        done += games.size();
        if (onProgress)
            onProgress(done, total);
    }
    result.ok = why.isEmpty();
    result.error = why;
    return result;
}

} // namespace merrow
