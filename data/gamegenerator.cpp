#include "gamegenerator.h"

#include "cataloguestore.h"

#include <QDir>

namespace sampledata
{
namespace
{

const QStringList kFirstNames = {
    "Arlo",   "Brina", "Cedrik", "Dalia",  "Edvin",  "Fenna", "Gisli", "Hanne", "Ivo",
    "Jorun",  "Kasim", "Lotta",  "Mattis", "Nelka",  "Orrin", "Pia",   "Quill", "Runa",
    "Soren",  "Tilde", "Ulmar",  "Vesna",  "Wendel", "Xandi", "Yrsa",  "Zeno",  "Anouk",
    "Birger", "Cosma", "Dorrit", "Elmo",   "Frida",  "Gorm",  "Hedda", "Ilse",  "Jasper"};
const QStringList kSurnameHeads = {"Ash",  "Bram", "Cor",  "Dun",  "El",  "Fen", "Gal", "Hol",
                                   "Ist",  "Jar",  "Kel",  "Lom",  "Mar", "Nor", "Ost", "Pell",
                                   "Quar", "Rov",  "Stel", "Tarn", "Ulv", "Var", "Wex", "Yel"};
const QStringList kSurnameTails = {"berg", "wick", "mont", "holt",  "ley",   "stad", "ford",
                                   "ven",  "mark", "dale", "ridge", "worth", "by",   "strom"};
const QStringList kTitleWords = {
    "Galactic", "Rust",    "Thunder", "Vale",   "Crystal", "Caverns", "Iron",    "Moon",
    "Harbour",  "Quest",   "Shadow",  "Runner", "Neon",    "Dragon",  "Lagoon",  "Orbit",
    "Patrol",   "Castle",  "Chaos",   "Rally",  "Tower",   "Fury",    "Silent",  "Comet",
    "Storm",    "Legend",  "Jungle",  "Pilot",  "Zero",    "Gravity", "Frost",   "Bandit",
    "Mystic",   "Arena",   "Phantom", "Metro",  "Turbo",   "Saga",    "Hyper",   "Blaster",
    "Lost",     "Kingdom", "Cyber",   "Knight", "Spiral",  "Reactor", "Marble",  "Canyon",
    "Ember",    "Raider",  "Velvet",  "Warp",   "Pixel",   "Nomad",   "Glacier", "Vortex",
    "Astro",    "Beacon",  "Cobalt",  "Delta",  "Echo",    "Falcon",  "Granite", "Horizon"};
const QStringList kPublisherTails = {"Soft",        "Software",     "Games",   "Interactive",
                                     "Productions", "Studios",      "Digital", "Arts",
                                     "Bytes",       "Entertainment"};
const QStringList kGenres = {"Arcade",     "Shoot'em Up", "Platform",      "Puzzle",
                             "Adventure",  "Strategy",    "Sports",        "Racing",
                             "Simulation", "RPG",         "Beat'em Up",    "Maze",
                             "Pinball",    "Educational", "Text Adventure"};
const QStringList kNotePhrases = {"Released on disk and tape.",
                                  "The tape version lacks the intro tune.",
                                  "A budget re-release followed two years later.",
                                  "Two players can take turns.",
                                  "Known for its smooth scrolling.",
                                  "The last level was cut for memory reasons.",
                                  "Loader music by the same composer.",
                                  "Supports joystick in port 2 only.",
                                  "The manual holds the copy protection codes.",
                                  "Later converted to other machines.",
                                  "Some copies shipped with a poster.",
                                  "Hidden cheat on the title screen.",
                                  "Needs 1 MB of memory.",
                                  "Runs from two disks; a second drive helps."};
const QStringList kOtherRoles = {"Cover art", "Manual",   "Testing",
                                 "Loader",    "Producer", "Level design"};

QString choose(QRandomGenerator &rng, const QStringList &list)
{
    return list.at(int(rng.bounded(int(list.size()))));
}

QString slug(const QString &text, int number)
{
    QString s;
    for (QChar c : text.toLower()) {
        if (c.isLetterOrNumber() && c.unicode() < 0x80)
            s += c;
        else if (!s.endsWith(QLatin1Char('_')))
            s += QLatin1Char('_');
    }
    return s.left(24) + QStringLiteral("_%1").arg(number);
}

QVariant nullText()
{
    return QVariant(QMetaType(QMetaType::QString));
}

} // namespace

GameGenerator::GameGenerator(quint32 seed, QString baseFolder)
    : m_rng(seed), m_base(QDir(baseFolder).absolutePath())
{
}

const QStringList &GameGenerator::formatCodes()
{
    static const QStringList codes = {"C64",       "C128",      "Amiga",
                                      "Amiga 1.3", "Amiga 2.x", "Amiga 3.x"};
    return codes;
}

QString GameGenerator::folder(const QString &name) const
{
    return QDir::toNativeSeparators(m_base + QLatin1Char('/') + name + QLatin1Char('/'));
}

QString GameGenerator::personName()
{
    return choose(m_rng, kFirstNames) + QLatin1Char(' ') + choose(m_rng, kSurnameHeads) +
           choose(m_rng, kSurnameTails);
}

QString GameGenerator::credits()
{
    const int n = 1 + below(100) / 55 + below(100) / 80; // mostly one or two names
    QStringList names;
    for (int i = 0; i < n; ++i)
        names.append(personName());
    QString text = names.first();
    for (int i = 1; i < n; ++i)
        text += (i + 1 == n ? QStringLiteral(" & ") : QStringLiteral(", ")) + names[i];
    return text;
}

QString GameGenerator::title()
{
    const int words = 1 + below(3) + (chance(25) ? below(4) : 0);
    QStringList parts;
    for (int i = 0; i < words; ++i)
        parts.append(choose(m_rng, kTitleWords));
    if (words < 6 && chance(10))
        parts.append(QString::number(2 + below(3))); // a sequel
    return parts.join(QLatin1Char(' '));
}

QString GameGenerator::note()
{
    const int target = below(301);
    QString text;
    while (text.size() < target) {
        const QString phrase = choose(m_rng, kNotePhrases);
        if (text.size() + phrase.size() + 1 > 300)
            break;
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + phrase;
    }
    return text;
}

QVariantList GameGenerator::next()
{
    ++m_count;
    const int f = below(100);
    const QString format = f < 50   ? QStringLiteral("C64")
                           : f < 60 ? QStringLiteral("C128")
                                    : formatCodes().at(2 + (f - 60) / 10);
    const bool c64 = format.startsWith(QLatin1Char('C'));
    const QString name = title();
    const QString base = slug(name, m_count);

    QVariantMap row;
    row["titolo"] = name;
    row["sh"] =
        QString(choose(m_rng, kTitleWords) + QLatin1Char(' ') + choose(m_rng, kPublisherTails));
    row["team"] =
        chance(60) ? QStringLiteral("The %1 Crew").arg(choose(m_rng, kTitleWords)) : nullText();
    row["year"] = QString::number(1982 + below(15));
    row["tipo"] = choose(m_rng, kGenres);
    row["formato"] = format;
    row["design"] = credits();
    row["programming"] = credits();
    row["graphics"] = credits();
    row["music"] = credits();
    for (const char *add : {"adddesign", "addprogramming", "addgraphics", "addmusic"})
        row[add] = chance(15) ? QVariant(credits()) : nullText();
    if (chance(30))
        row["others"] = QString(choose(m_rng, kOtherRoles) + QStringLiteral(": ") + credits());
    row["note"] = note();
    if (chance(20))
        row["voto"] = QString::number(1 + below(10));
    if (chance(50)) {
        const QString games = folder(c64 ? "c64-games" : "amiga-games");
        const QString ext = c64 ? (chance(70) ? ".d64" : ".t64") : ".adf";
        row["emul1"] = QString(games + base + ext);
        if (!c64 && chance(30)) {
            row["emul1"] = QString(games + base + "_1.adf");
            row["df1"] = QString(games + base + "_2.adf");
            if (chance(40))
                row["df2"] = QString(games + base + "_3.adf");
        }
    }
    if (chance(33))
        row["song"] =
            QString(folder(c64 ? "c64-music" : "amiga-music") + base + (c64 ? ".sid" : ".mod"));
    if (chance(40)) {
        const QString shots = folder(c64 ? "c64-screens" : "amiga-screens");
        row["screen1"] = QString(shots + base + "_1.png");
        if (chance(50))
            row["screen2"] = QString(shots + base + "_2.png");
    }
    const int origin = below(100);
    row["dbver"] = origin < 85   ? QVariant(origin < 40 ? "v3.1" : "v3.2")
                   : origin < 95 ? QVariant("Private")
                                 : nullText();

    QVariantList values;
    for (const QString &column : CatalogueStore::gameColumns())
        values.append(row.value(column, nullText()));
    return values;
}

QVariantList GameGenerator::configuration() const
{
    QVariantList values;
    for (int i = 0; i < 8; ++i) // emulators and players: not installed
        values.append(nullText());
    for (const char *name :
         {"c64-games", "c64-music", "c64-screens", "amiga-games", "amiga-music", "amiga-screens"})
        values.append(folder(QString::fromLatin1(name)));
    values.append(QStringLiteral("v3.2"));
    return values;
}

} // namespace sampledata
