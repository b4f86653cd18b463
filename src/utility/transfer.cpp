#include "transfer.h"

#include "cataloguestore.h"
#include "database.h"
#include "largerpagecache.h"
#include "logging.h"
#include "progress.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace merrow
{
namespace
{

using F = Game::Field;

// The log's words for a committed game; the counts are read back from them.
const QLatin1String kAdded("Added ");
const QLatin1String kModified("Modified ");
const QLatin1String kSkipped("Skipped ");

struct ExportGame {
    GameId exportId = 0;
    bool present = false; // a selected id may be missing from the export file
    QVariantList values;  // Transfer::fields() order
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

Failure failure(const QString &why)
{
    return {why};
}

QString columnList()
{
    QStringList columns;
    for (const F f : Transfer::fields())
        columns << CatalogueStore::column(f);
    return columns.join(QStringLiteral(", "));
}

QString selectGames()
{
    return QStringLiteral("select id, %1 from %2").arg(columnList(), CatalogueStore::gameTable());
}

ExportGame readGame(const QSqlQuery &q)
{
    ExportGame g;
    g.exportId = q.value(0).toLongLong();
    g.present = true;
    // A number or blob from elsewhere is stored as its text: every game stays listable.
    for (int i = 1; i <= Transfer::fields().size(); ++i) {
        const QVariant v = q.value(i);
        g.values << (v.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(v.toString()));
    }
    return g;
}

Failure readFailure(const QString &why)
{
    return failure(QStringLiteral("cannot read the export file: ") + why);
}

// Reads the export games a batch at a time: memory stays flat whatever the file's size.
class GameReader
{
public:
    GameReader(const QSqlDatabase &source, TransferMode mode, const QList<GameId> &ids)
        : m_source(source), m_query(source), m_mode(mode), m_ids(firstOccurrences(ids))
    {
        m_query.setForwardOnly(true);
    }
    // Prepares the reading; gives the number of games it will give.
    Result<qint64> start();
    // Up to count more games; none at the end.
    Result<QList<ExportGame>> next(int count);

private:
    Result<QList<ExportGame>> nextSelected(int count);

    // A game chosen twice is transferred once, where it was first chosen.
    static QList<GameId> firstOccurrences(const QList<GameId> &ids);

    QSqlDatabase m_source;
    QSqlQuery m_query;
    TransferMode m_mode;
    const QList<GameId> m_ids;
    qsizetype m_position = 0;
};

QList<GameId> GameReader::firstOccurrences(const QList<GameId> &ids)
{
    QList<GameId> out;
    QSet<GameId> seen;
    for (const GameId id : ids) {
        const qsizetype before = seen.size();
        seen.insert(id);
        if (seen.size() > before)
            out.append(id);
    }
    return out;
}

Result<qint64> GameReader::start()
{
    if (m_mode == TransferMode::Selected) {
        if (!m_query.prepare(selectGames() + QStringLiteral(" where id = ?")))
            return readFailure(errorText(m_query));
        return qint64(m_ids.size());
    }
    const Result<qint64> count = CatalogueStore(m_source).gameCount();
    if (!count)
        return readFailure(count.error());
    if (!m_query.prepare(selectGames() + QStringLiteral(" order by id")) || !m_query.exec())
        return readFailure(errorText(m_query));
    return count;
}

Result<QList<ExportGame>> GameReader::next(int count)
{
    if (m_mode == TransferMode::Selected)
        return nextSelected(count);
    QList<ExportGame> games;
    while (games.size() < count && m_query.next())
        games.append(readGame(m_query));
    if (m_query.lastError().isValid())
        return readFailure(errorText(m_query));
    return games;
}

// The chosen ids in their order; an id the file does not hold comes back not present.
Result<QList<ExportGame>> GameReader::nextSelected(int count)
{
    QList<ExportGame> games;
    for (; games.size() < count && m_position < m_ids.size(); ++m_position) {
        const GameId id = m_ids.at(m_position);
        m_query.bindValue(0, id);
        if (!m_query.exec())
            return readFailure(errorText(m_query));
        if (m_query.next()) {
            games.append(readGame(m_query));
        } else {
            if (m_query.lastError().isValid())
                return readFailure(errorText(m_query));
            ExportGame missing;
            missing.exportId = id;
            games.append(missing);
        }
        m_query.finish();
    }
    return games;
}

// The match key, title and machine, leads Transfer::fields().
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
    BatchWriter(const QSqlDatabase &catalogue, TransferMode mode)
        : m_catalogue(catalogue), m_mode(mode), m_find(catalogue), m_insert(catalogue),
          m_update(catalogue), m_updateValues(catalogue)
    {
    }
    Outcome prepare();
    // The log lines of the committed games.
    Result<QStringList> write(const QList<ExportGame> &games);

private:
    // What the log says about the game; empty when it was left alone.
    Result<QString> writeGame(const ExportGame &g);
    Outcome store(const QVariantList &values, const QVariant &localId, Change change);

    QSqlDatabase m_catalogue;
    TransferMode m_mode;
    QSqlQuery m_find, m_insert, m_update, m_updateValues;
};

Outcome BatchWriter::prepare()
{
    QStringList marks, sets;
    for (const F f : Transfer::fields()) {
        marks << QStringLiteral("?");
        sets << CatalogueStore::column(f) + QStringLiteral(" = ?");
    }
    const QString table = CatalogueStore::gameTable();
    const QString update = QStringLiteral("update %1 set %2 where id = ?").arg(table);
    const std::pair<QSqlQuery *, QString> statements[] = {
        {&m_find, QStringLiteral("select id, %1 from %2 where %3 is ? and %4 is ? "
                                 "order by id limit 1")
                      .arg(columnList(), table, CatalogueStore::column(F::Title),
                           CatalogueStore::column(F::Machine))},
        {&m_insert, QStringLiteral("insert into %1 (%2) values (%3)")
                        .arg(table, columnList(), marks.join(QStringLiteral(", ")))},
        {&m_update, update.arg(sets.join(QStringLiteral(", ")))},
        {&m_updateValues, update.arg(sets.mid(kKeyColumns).join(QStringLiteral(", ")))}};
    for (const auto &[query, sql] : statements) {
        // A scrollable query caches rows for every run: here each is read once, in order.
        query->setForwardOnly(true);
        if (!query->prepare(sql))
            return failure(QStringLiteral("cannot prepare the catalogue: ") + errorText(*query));
    }
    return {};
}

// Adds values as a new game when localId is Null, else writes them over that game. An
// unchanged key stays out of the update, so the title and machine index is not rewritten.
Outcome BatchWriter::store(const QVariantList &values, const QVariant &localId, Change change)
{
    QSqlQuery &write = localId.isNull()        ? m_insert
                       : change == Change::Key ? m_update
                                               : m_updateValues;
    const int first = &write == &m_updateValues ? kKeyColumns : 0;
    for (int c = first; c < values.size(); ++c)
        write.bindValue(c - first, values.at(c));
    if (!localId.isNull())
        write.bindValue(int(values.size()) - first, localId);
    if (!write.exec())
        return failure(errorText(write));
    write.finish();
    return {};
}

Result<QString> BatchWriter::writeGame(const ExportGame &g)
{
    if (!g.present)
        return QString(kSkipped +
                       QStringLiteral("game %1: not in the export file").arg(g.exportId));
    const QString what = text(g.values.at(0)) + QStringLiteral(" for ") + text(g.values.at(1));
    m_find.bindValue(0, g.values.at(0));
    m_find.bindValue(1, g.values.at(1));
    if (!m_find.exec())
        return failure(QStringLiteral("cannot look up ") + what + QStringLiteral(": ") +
                       errorText(m_find));
    const bool present = m_find.next();
    const QVariant localId = present ? m_find.value(0) : QVariant();
    const Change change = present ? changeOf(m_find, g.values) : Change::Key;
    m_find.finish();
    if (present && (m_mode == TransferMode::New || change == Change::None))
        return QString();
    if (const Outcome stored = store(g.values, localId, change); !stored)
        return failure(QStringLiteral("cannot write ") + what + QStringLiteral(": ") +
                       stored.error());
    return QString((present ? kModified : kAdded) + what);
}

// Writes the games in one transaction; the log hears of them once committed.
Result<QStringList> BatchWriter::write(const QList<ExportGame> &games)
{
    catalogue::WriteTransaction tx(m_catalogue);
    if (!tx.isOpen())
        return failure(QStringLiteral("cannot write to the catalogue: ") + tx.error());
    QStringList lines;
    for (const ExportGame &game : games) {
        const Result<QString> line = writeGame(game);
        if (!line)
            return line.failure();
        if (!line->isEmpty())
            lines.append(*line);
    }
    if (!tx.commit())
        return failure(QStringLiteral("cannot save to the catalogue: ") + tx.error());
    return lines;
}

} // namespace

Transfer::Transfer(const QSqlDatabase &catalogue, const QSqlDatabase &source)
    : m_catalogue(catalogue), m_source(source)
{
}

const QList<Game::Field> &Transfer::fields()
{
    static const QList<F> fields = {F::Title,
                                    F::Machine,
                                    F::Publisher,
                                    F::Team,
                                    F::Design,
                                    F::Programming,
                                    F::Graphics,
                                    F::Music,
                                    F::AdditionalDesign,
                                    F::AdditionalProgramming,
                                    F::AdditionalGraphics,
                                    F::AdditionalMusic,
                                    F::OtherCredits,
                                    F::Note,
                                    F::Origin,
                                    F::Year,
                                    F::Genre};
    return fields;
}

TransferCounts Transfer::tally(const QStringList &lines, TransferCounts sofar)
{
    for (const QString &line : lines) {
        if (line.startsWith(kAdded))
            ++sofar.added;
        else if (line.startsWith(kModified))
            ++sofar.modified;
        else if (line.startsWith(kSkipped))
            ++sofar.skipped;
    }
    return sofar;
}

Outcome Transfer::run(Progress &progress, TransferMode mode, const QList<GameId> &selectedIds)
{
    m_counts = {};
    // Holds a whole batch while the transfer runs.
    const catalogue::LargerPageCache cache(m_catalogue, 32768);
    BatchWriter writer(m_catalogue, mode);
    GameReader reader(m_source, mode, selectedIds);
    const Result<qint64> total = reader.start();
    if (!total)
        return total.failure();
    if (Outcome prepared = writer.prepare(); !prepared)
        return prepared;
    progress.setTotal(*total);
    progress.setDone(0);
    for (qint64 done = 0; !progress.isCancelled();) {
        const Result<QList<ExportGame>> games = reader.next(m_batchSize);
        if (!games)
            return games.failure();
        if (games->isEmpty())
            break;
        const Result<QStringList> lines = writer.write(*games);
        if (!lines) {
            qCWarning(lcExchange) << "transfer stopped:" << lines.error();
            return lines.failure();
        }
        m_counts = tally(*lines, m_counts);
        for (const QString &line : *lines)
            progress.note(line);
        done += games->size();
        progress.setDone(done);
    }
    return {};
}

Result<TransferCounts> transferFiles(const QString &cataloguePath, const QString &sourcePath,
                                     TransferMode mode, const QList<GameId> &selectedIds,
                                     Progress &progress)
{
    const auto local = catalogue::Connection::open(cataloguePath);
    if (!local)
        return local.failure();
    const auto source =
        catalogue::Connection::open(sourcePath, catalogue::Connection::Mode::Foreign);
    if (!source)
        return source.failure();
    Transfer transfer((*local)->db(), (*source)->db());
    if (Outcome done = transfer.run(progress, mode, selectedIds); !done)
        return done.failure();
    return transfer.counts();
}

} // namespace merrow
