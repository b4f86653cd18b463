#include "gamebasereader.h"

#include "database.h"
#include "workfolder.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

namespace
{

// Ids to names of one lookup table; empty where the file lacks the table or a column.
using Lookup = QHash<QString, QString>;

Result<Lookup> lookup(const QSqlDatabase &db, const QString &table, const QString &key,
                      const QString &value)
{
    Lookup values;
    if (!db.tables().contains(table))
        return values;
    Result<QSqlQuery> q = catalogue::run(db, QStringLiteral("select * from \"%1\"").arg(table));
    if (!q)
        return q.failure();
    const int k = q->record().indexOf(key), v = q->record().indexOf(value);
    while (k >= 0 && v >= 0 && q->next())
        values.insert(q->value(k).toString(), q->value(v).toString());
    return values;
}

struct Lookups {
    Lookup years, publishers, developers, genres, genreParents, parents, programmers, artists,
        musicians, crackers;
};

Result<Lookups> readLookups(const QSqlDatabase &db)
{
    Lookups l;
    const struct {
        Lookup *into;
        const char *table, *key, *value;
    } tables[] = {{&l.years, "Years", "YE_Id", "Year"},
                  {&l.publishers, "Publishers", "PU_Id", "Publisher"},
                  {&l.developers, "Developers", "DE_Id", "Developer"},
                  {&l.genres, "Genres", "GE_Id", "Genre"},
                  {&l.genreParents, "Genres", "GE_Id", "PG_Id"},
                  {&l.parents, "PGenres", "PG_Id", "ParentGenre"},
                  {&l.programmers, "Programmers", "PR_Id", "Programmer"},
                  {&l.artists, "Artists", "AR_Id", "Artist"},
                  {&l.musicians, "Musicians", "MU_Id", "Musician"},
                  {&l.crackers, "Crackers", "CR_Id", "Cracker"}};
    for (const auto &t : tables) {
        Result<Lookup> read =
            lookup(db, QLatin1String(t.table), QLatin1String(t.key), QLatin1String(t.value));
        if (!read)
            return read.failure();
        *t.into = std::move(*read);
    }
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

GameBaseRecord readRecord(sqlite3_stmt *row, const GameColumns &columns, const Lookups &l)
{
    auto text = [&](GameColumns::Column column) {
        const int i = columns.index[column];
        return i < 0 ? QString() : catalogue::columnText(row, i);
    };
    using C = GameColumns;
    GameBaseRecord g;
    g.id = text(C::Id).toLongLong();
    g.name = text(C::Name);
    g.year = l.years.value(text(C::Year));
    g.publisher = l.publishers.value(text(C::Publisher));
    g.developer = l.developers.value(text(C::Developer));
    const QString genre = text(C::Genre);
    g.genre = l.genres.value(genre);
    g.parentGenre = l.parents.value(l.genreParents.value(genre));
    g.programmer = l.programmers.value(text(C::Programmer));
    g.artist = l.artists.value(text(C::Artist));
    g.musician = l.musicians.value(text(C::Musician));
    g.cracker = l.crackers.value(text(C::Cracker));
    g.filename = text(C::Filename);
    g.fileToRun = text(C::FileToRun);
    g.filenameIndex = text(C::FilenameIndex);
    g.screenshot = text(C::Screenshot);
    g.sid = text(C::Sid);
    g.memo = text(C::Memo);
    g.comment = text(C::Comment);
    g.rating = text(C::Rating).toInt();
    // Jet writes a true Yes/No as 1 (mdb-export) or -1 (Access).
    g.favourite = text(C::Fav).toInt() != 0;
    g.timesPlayed = text(C::TimesPlayed).toInt();
    g.lastPlayed = text(C::LastPlayed);
    return g;
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
    // Straight from SQLite: QSqlQuery would make a QVariant of every value first.
    const Outcome read = catalogue::forEachRow(
        db, QStringLiteral("select * from Games order by cast(GA_Id as integer)"), {},
        [&](sqlite3_stmt *row) { set.games << readRecord(row, columns, *lookups); });
    if (!read)
        return read.failure();
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
