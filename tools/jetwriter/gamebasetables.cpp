#include "gamebasetables.h"

#include <QDateTime>
#include <QSaveFile>

namespace
{

JetTable lookup(const char *table, const char *key, const char *value, const QStringList &values)
{
    JetTable t{QLatin1String(table),
               {{QLatin1String(key), JetType::Long}, {QLatin1String(value), JetType::Text}},
               {}};
    for (qsizetype i = 0; i < values.size(); ++i)
        t.rows << QVariantList{int(i + 1), values[i]};
    return t;
}

QList<JetColumn> gameColumns(bool credits)
{
    QList<JetColumn> columns;
    const auto add = [&](const char *name, JetType type) {
        columns << JetColumn{QLatin1String(name), type};
    };
    for (const char *id : {"GA_Id", "YE_Id", "PU_Id", "GE_Id", "PR_Id", "MU_Id", "CR_Id"})
        add(id, JetType::Long);
    if (credits) {
        add("AR_Id", JetType::Long);
        add("DE_Id", JetType::Long);
    }
    for (const char *text : {"Name", "Filename", "FileToRun", "ScrnshotFilename", "SidFilename"})
        add(text, JetType::Text);
    add("FilenameIndex", JetType::Long);
    add("MemoText", JetType::Memo);
    add("Comment", JetType::Text);
    add("Rating", JetType::Long);
    add("Fav", JetType::Boolean);
    add("TimesPlayed", JetType::Long);
    add("DateLastPlayed", JetType::DateTime);
    add("Reviewed", JetType::Integer); // a column no import reads
    return columns;
}

struct Game {
    int id = 0, year = 0, publisher = 0, genre = 0, programmer = 0, musician = 0, cracker = 0,
        artist = 0, developer = 0;
    QString name = {}, file = {}, toRun = {}, screenshot = {}, sid = {}, memo = {}, comment = {};
    int rating = 0;
    bool favourite = false;
    int timesPlayed = 0;
    QDateTime lastPlayed = {};
};

QVariantList gameRow(const Game &g, bool credits)
{
    QVariantList row{g.id, g.year, g.publisher, g.genre, g.programmer, g.musician, g.cracker};
    if (credits)
        row << g.artist << g.developer;
    row << g.name << g.file << g.toRun << g.screenshot << g.sid << (g.toRun.isEmpty() ? 0 : 1)
        << g.memo << g.comment << g.rating << g.favourite << g.timesPlayed
        << (g.lastPlayed.isValid() ? QVariant(g.lastPlayed) : QVariant()) << 0;
    return row;
}

QList<Game> firstGames(int release)
{
    QList<Game> games{{.id = 1,
                       .year = 1,
                       .publisher = 1,
                       .genre = 1,
                       .programmer = 1,
                       .musician = 1,
                       .cracker = 1,
                       .artist = 1,
                       .developer = 1,
                       .name = release == 1 ? QStringLiteral("Lost Harbour, The")
                                            : QStringLiteral("Lost Harbour II, The"),
                       .file = QStringLiteral("L\\Lost_Harbour.zip"),
                       .toRun = QStringLiteral("LOST HARBOUR.D64"),
                       .screenshot = QStringLiteral("L\\Lost_Harbour.png"),
                       .sid = QStringLiteral("MUSICIANS\\M\\Marr_Cleo\\Harbour.sid"),
                       .comment = QStringLiteral("Two players"),
                       .rating = 4,
                       .favourite = true,
                       .timesPlayed = 3,
                       .lastPlayed = QDateTime(QDate(2024, 5, 1), QTime(20, 15), Qt::UTC)},
                      {.id = 2,
                       .year = 2,
                       .publisher = 2,
                       .genre = 2,
                       .name = QStringLiteral("1942"),
                       .file = QStringLiteral("0-9\\1942.zip"),
                       .memo = QStringLiteral("Vertical shooter"),
                       .comment = QStringLiteral("x")},
                      {.id = 3,
                       .year = 1,
                       .publisher = 1,
                       .genre = 1,
                       .programmer = 1,
                       .musician = 1,
                       .name = QStringLiteral("1942"),
                       .file = QStringLiteral("0-9\\1942_(Alt).zip"),
                       .memo = QStringLiteral("A second version of the shooter. ").repeated(60),
                       .rating = 2}};
    if (release == 2)
        games << Game{.id = 4,
                      .year = 3,
                      .publisher = 3,
                      .genre = 2,
                      .programmer = 2,
                      .cracker = 2,
                      .name = QStringLiteral("Ace"),
                      .file = QStringLiteral("A\\Ace_Disk1.zip")};
    return games;
}

// An invented game; every fourth has no picture, every tenth a note.
Game inventedGame(int id)
{
    static const char *words[] = {"Night", "Raid", "Castle", "Orbit", "Quest", "River", "Zero"};
    const QString name = QStringLiteral("%1 %2 %3")
                             .arg(QLatin1String(words[id % 7]), QLatin1String(words[(id / 7) % 7]))
                             .arg(id);
    const QString base =
        QStringLiteral("%1\\%2").arg(name.front(), QString(name).replace(u' ', u'_'));
    return {.id = id,
            .year = 1 + id % 3,
            .publisher = 1 + id % 3,
            .genre = 1 + id % 2,
            .programmer = 1 + id % 2,
            .musician = 1,
            .cracker = id % 3,
            .artist = 1,
            .developer = id % 2,
            .name = name,
            .file = base + QStringLiteral(".zip"),
            .screenshot = id % 4 ? base + QStringLiteral(".png") : QString(),
            .sid = QStringLiteral("MUSICIANS\\M\\Marr_Cleo\\Tune_%1.sid").arg(id),
            .memo = id % 10 ? QString() : QStringLiteral("Invented for the tests."),
            .comment = QStringLiteral("Game %1").arg(id),
            .rating = id % 6};
}

} // namespace

QList<JetTable> gameBaseTables(const GameBaseOptions &options)
{
    const bool credits = options.version != QLatin1String("2.5");
    const QStringList version = options.version.split(u'.');
    QList<JetTable> tables{
        {QStringLiteral("Config"),
         {{QStringLiteral("MajorVersion"), JetType::Long},
          {QStringLiteral("MinorVersion"), JetType::Long}},
         {{version.value(0).toInt(), version.value(1).toInt()}}},
        lookup("Years", "YE_Id", "Year", {"1985", "9991", "1988"}),
        lookup("Publishers", "PU_Id", "Publisher", {"Northsoft", "(Unknown)", "Quayside"}),
        lookup("PGenres", "PG_Id", "ParentGenre", {"Sports", "[Uncategorized]"}),
        lookup("Programmers", "PR_Id", "Programmer", {"Ada Varn", "(None)"}),
        lookup("Musicians", "MU_Id", "Musician", {"Cleo Marr"}),
        lookup("Crackers", "CR_Id", "Cracker", {"Fenna Roos", "(None)"})};
    JetTable genres{QStringLiteral("Genres"),
                    {{QStringLiteral("GE_Id"), JetType::Long},
                     {QStringLiteral("PG_Id"), JetType::Long},
                     {QStringLiteral("Genre"), JetType::Text}},
                    {{1, 1, QStringLiteral("Football")}, {2, 2, QStringLiteral("Misc")}}};
    tables << genres;
    if (credits)
        tables << lookup("Artists", "AR_Id", "Artist", {"Eli Sandvik"})
               << lookup("Developers", "DE_Id", "Developer", {"Harbour Team"});
    JetTable games{QStringLiteral("Games"), gameColumns(credits), {}};
    QList<Game> list = firstGames(options.release);
    for (int id = 5; list.size() < options.games; ++id)
        list << inventedGame(id);
    for (const Game &g : std::as_const(list))
        games.rows << gameRow(g, credits);
    return tables << games;
}

JetImage writeGameBase(const QString &path, const GameBaseOptions &options)
{
    JetImage image = JetWriter().write(gameBaseTables(options));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image.bytes) != image.bytes.size() ||
        !file.commit())
        return {};
    return image;
}
