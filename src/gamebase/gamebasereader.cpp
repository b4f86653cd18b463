#include "gamebasereader.h"

#include "database.h"
#include "workfolder.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace
{

// A value as text; null where the file lacks the column.
QString textAt(sqlite3_stmt *row, int column)
{
    return column < 0 ? QString() : catalogue::columnUtf8Text(row, column);
}

// A whole number where the file has one in the column.
std::optional<qint64> integerAt(sqlite3_stmt *row, int column)
{
    return column < 0 ? std::nullopt : catalogue::columnInteger(row, column);
}

// An id as a lookup matches it. Jet keeps ids as numbers, which the reader writes as such,
// and they are matched as numbers; anything else (Null, text that is no plain number) by
// its text, as the value reads.
struct Key {
    std::optional<qint64> number;
    QString text;
};

Key keyOf(const QString &value)
{
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    if (ok && QString::number(n) == value)
        return {n, {}};
    return {std::nullopt, value};
}

Key keyAt(sqlite3_stmt *row, int column)
{
    if (const std::optional<qint64> n = integerAt(row, column))
        return {n, {}};
    return keyOf(textAt(row, column));
}

// Ids to the values of one lookup table; empty where the file lacks the table or a column.
template <class Value> class Lookup
{
public:
    void insert(const Key &key, const Value &value)
    {
        if (key.number)
            m_numbers.insert(*key.number, value);
        else
            m_texts.insert(key.text, value);
    }
    Value value(const Key &key) const
    {
        return key.number ? m_numbers.value(*key.number) : m_texts.value(key.text);
    }

private:
    QHash<qint64, Value> m_numbers;
    QHash<QString, Value> m_texts;
};

// Every row's key and value (read by readValue) of table into into; nothing where the file
// lacks the table or a column.
template <class Value>
Outcome readLookup(const QSqlDatabase &db, const QStringList &present, const char *table,
                   const char *key, const char *value, Lookup<Value> &into,
                   Value (*readValue)(sqlite3_stmt *, int))
{
    const QString name = QLatin1String(table);
    if (!present.contains(name))
        return {};
    const Result<QSqlQuery> head =
        catalogue::run(db, QStringLiteral("select * from \"%1\" limit 0").arg(name));
    if (!head)
        return head.failure();
    if (!head->record().contains(QLatin1String(key)) ||
        !head->record().contains(QLatin1String(value)))
        return {};
    const QString sql = QStringLiteral("select \"%1\", \"%2\" from \"%3\"")
                            .arg(QLatin1String(key), QLatin1String(value), name);
    return catalogue::forEachRow(db, sql, {}, [&into, readValue](sqlite3_stmt *row) {
        into.insert(keyAt(row, 0), readValue(row, 1));
    });
}

struct Lookups {
    Lookup<QString> years, publishers, developers, genres, parents, programmers, artists, musicians,
        crackers;
    Lookup<Key> genreParents;
};

Result<Lookups> readLookups(const QSqlDatabase &db)
{
    Lookups l;
    const struct {
        Lookup<QString> *into;
        const char *table, *key, *value;
    } tables[] = {{&l.years, "Years", "YE_Id", "Year"},
                  {&l.publishers, "Publishers", "PU_Id", "Publisher"},
                  {&l.developers, "Developers", "DE_Id", "Developer"},
                  {&l.genres, "Genres", "GE_Id", "Genre"},
                  {&l.parents, "PGenres", "PG_Id", "ParentGenre"},
                  {&l.programmers, "Programmers", "PR_Id", "Programmer"},
                  {&l.artists, "Artists", "AR_Id", "Artist"},
                  {&l.musicians, "Musicians", "MU_Id", "Musician"},
                  {&l.crackers, "Crackers", "CR_Id", "Cracker"}};
    const QStringList present = db.tables();
    for (const auto &t : tables)
        if (const Outcome read = readLookup(db, present, t.table, t.key, t.value, *t.into, textAt);
            !read)
            return read.failure();
    if (const Outcome read =
            readLookup(db, present, "Genres", "GE_Id", "PG_Id", l.genreParents, keyAt);
        !read)
        return read.failure();
    return l;
}

// The Games columns by index, looked up once: -1 where the file lacks one.
struct GameColumns {
    enum Column {
        Id,
        Name,
        Year,
        Publisher,
        Genre,
        Programmer,
        Artist,
        Musician,
        Developer,
        Cracker,
        Filename,
        FileToRun,
        FilenameIndex,
        Screenshot,
        Sid,
        Memo,
        Comment,
        Rating,
        Fav,
        TimesPlayed,
        LastPlayed,
        Count
    };
    int index[Count];

    explicit GameColumns(const QSqlRecord &r)
    {
        static const char *const names[Count] = {"GA_Id",         "Name",
                                                 "YE_Id",         "PU_Id",
                                                 "GE_Id",         "PR_Id",
                                                 "AR_Id",         "MU_Id",
                                                 "DE_Id",         "CR_Id",
                                                 "Filename",      "FileToRun",
                                                 "FilenameIndex", "ScrnshotFilename",
                                                 "SidFilename",   "MemoText",
                                                 "Comment",       "Rating",
                                                 "Fav",           "TimesPlayed",
                                                 "DateLastPlayed"};
        for (int c = 0; c < Count; ++c)
            index[c] = r.indexOf(QLatin1String(names[c]));
    }
};

// Whole numbers as QString::toLongLong and toInt read them: 0 where they do not fit.
qint64 longAt(sqlite3_stmt *row, int column)
{
    const std::optional<qint64> n = integerAt(row, column);
    return n ? *n : textAt(row, column).toLongLong();
}

int intAt(sqlite3_stmt *row, int column)
{
    const std::optional<qint64> n = integerAt(row, column);
    if (!n)
        return textAt(row, column).toInt();
    return *n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max() ? 0
                                                                                        : int(*n);
}

GameBaseRecord readRecord(sqlite3_stmt *row, const GameColumns &columns, const Lookups &l)
{
    using C = GameColumns;
    auto text = [&](C::Column column) { return textAt(row, columns.index[column]); };
    auto key = [&](C::Column column) { return keyAt(row, columns.index[column]); };
    auto number = [&](C::Column column) { return intAt(row, columns.index[column]); };
    GameBaseRecord g;
    g.id = longAt(row, columns.index[C::Id]);
    g.name = text(C::Name);
    g.year = l.years.value(key(C::Year));
    g.publisher = l.publishers.value(key(C::Publisher));
    g.developer = l.developers.value(key(C::Developer));
    const Key genre = key(C::Genre);
    g.genre = l.genres.value(genre);
    g.parentGenre = l.parents.value(l.genreParents.value(genre));
    g.programmer = l.programmers.value(key(C::Programmer));
    g.artist = l.artists.value(key(C::Artist));
    g.musician = l.musicians.value(key(C::Musician));
    g.cracker = l.crackers.value(key(C::Cracker));
    g.filename = text(C::Filename);
    g.fileToRun = text(C::FileToRun);
    g.filenameIndex = text(C::FilenameIndex);
    g.screenshot = text(C::Screenshot);
    g.sid = text(C::Sid);
    g.memo = text(C::Memo);
    g.comment = text(C::Comment);
    g.rating = number(C::Rating);
    // Jet writes a true Yes/No as 1 (mdb-export) or -1 (Access).
    g.favourite = number(C::Fav) != 0;
    g.timesPlayed = number(C::TimesPlayed);
    g.lastPlayed = text(C::LastPlayed);
    return g;
}

// A game's place in the order of cast(GA_Id as integer), Null first, ties as read.
struct GameOrder {
    bool hasKey = false;
    qint64 key = 0;
    qsizetype read = 0;
    auto operator<=>(const GameOrder &) const = default;
};

void inKeyOrder(QList<GameBaseRecord> &games, std::vector<GameOrder> &order)
{
    if (std::is_sorted(order.begin(), order.end()))
        return;
    std::sort(order.begin(), order.end());
    QList<GameBaseRecord> sorted;
    sorted.reserve(games.size());
    for (const GameOrder &o : order)
        sorted << std::move(games[o.read]);
    games = std::move(sorted);
}

Result<QString> readVersion(const QSqlDatabase &db)
{
    Result<QSqlQuery> q = catalogue::run(db, QStringLiteral("select * from Config"));
    if (!q)
        return q.failure();
    if (!q->next())
        return QString();
    const QSqlRecord r = q->record();
    return QStringLiteral("%1.%2")
        .arg(q->value(r.indexOf(QLatin1String("MajorVersion"))).toInt())
        .arg(q->value(r.indexOf(QLatin1String("MinorVersion"))).toInt());
}

} // namespace

QString GameBaseReader::tableList()
{
    return QStringLiteral(
        "Games:GA_Id,Name,YE_Id,PU_Id,GE_Id,PR_Id,AR_Id,MU_Id,DE_Id,CR_Id,Filename,FileToRun,"
        "FilenameIndex,ScrnshotFilename,SidFilename,MemoText,Comment,Rating,Fav,TimesPlayed,"
        "DateLastPlayed;Config:MajorVersion,MinorVersion;Years:YE_Id,Year;"
        "Publishers:PU_Id,Publisher;Developers:DE_Id,Developer;Genres:GE_Id,PG_Id,Genre;"
        "PGenres:PG_Id,ParentGenre;Programmers:PR_Id,Programmer;Artists:AR_Id,Artist;"
        "Musicians:MU_Id,Musician;Crackers:CR_Id,Cracker");
}

Result<GameBaseSet> GameBaseReader::readTables(const QSqlDatabase &db, const QString &fileName)
{
    const QStringList tables = db.tables();
    for (const QString &needed : {QStringLiteral("Games"), QStringLiteral("Config")})
        if (!tables.contains(needed))
            return Failure{QStringLiteral("%1 is not a GameBase database: it has no %2 table")
                               .arg(fileName, needed)};
    GameBaseSet set;
    Result<QString> version = readVersion(db);
    Result<Lookups> lookups = readLookups(db);
    if (!version || !lookups)
        return Failure{version ? lookups.error() : version.error()};
    set.version = *version;
    const Result<QSqlQuery> head =
        catalogue::run(db, QStringLiteral("select * from Games limit 0"));
    if (!head)
        return head.failure();
    const GameColumns columns(head->record());
    const Result<std::optional<QSqlRecord>> count =
        catalogue::fetchOne(db, QStringLiteral("select count(*) from Games"));
    if (!count)
        return count.failure();
    set.games.reserve(count->value_or(QSqlRecord()).value(0).toLongLong());
    // Straight from SQLite: QSqlQuery would make a QVariant of every value first. The reader
    // keeps the file's order, mostly that of the keys already: sorting here spares SQLite
    // sorting whole rows.
    std::vector<GameOrder> order;
    order.reserve(std::size_t(set.games.capacity()));
    const int last = head->record().count();
    const Outcome read = catalogue::forEachRow(
        db, QStringLiteral("select *, cast(GA_Id as integer) from Games"), {},
        [&](sqlite3_stmt *row) {
            const std::optional<qint64> key = catalogue::columnInteger(row, last);
            order.push_back({key.has_value(), key.value_or(0), set.games.size()});
            set.games << readRecord(row, columns, *lookups);
        });
    if (!read)
        return read.failure();
    inKeyOrder(set.games, order);
    return set;
}

Result<GameBaseSet> GameBaseReader::read(const QString &jetFile, const QString &workBase,
                                         const legacy::ReaderRun &run)
{
    const WorkFolder work(workBase);
    if (!work.isValid())
        return Failure{work.error()};
    const QString output = work.filePath(QStringLiteral("gamebase.sqlite"));
    if (const Outcome read = legacy::readJetTables(jetFile, tableList(), output, run); !read)
        return read.failure();
    const auto connection =
        catalogue::Connection::open(output, catalogue::Connection::Mode::Foreign);
    if (!connection)
        return connection.failure();
    return readTables((*connection)->db(), jetFile);
}
