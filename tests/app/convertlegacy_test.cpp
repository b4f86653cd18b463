// merrow --convert-legacy as a terminal runs it.
#include "database.h"
#include "widgettest.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

TEST(ConvertLegacy, WritesANewCatalogueOrExitsWithWhy)
{
    QTemporaryDir dir;
    const QString jet = VANTREL_LEGACY_FIXTURES "/catalogue-jet4.mdb";
    const QByteArray original = readFile(jet);
    const QString damaged = writeFile(dir.filePath("damaged.mdb"), original.left(20000));
    const QString plain = writeFile(dir.filePath("plain.mdb"), "no Jet file");
    const QString target = dir.filePath("new.mdb");
    const QString other = dir.filePath("other.mdb");
    const struct {
        const char *why;
        QStringList arguments;
        int code;
        QString says; // the last line, on stdout for 0, else on stderr
        int games;    // in new.mdb afterwards
    } runs[] = {
        {"converts",
         {jet, target},
         0,
         "  vantrel --catalogue " + target + " --relink --search",
         40},
        {"never over a file", {jet, target}, 1, "merrow: " + target + " exists already", 40},
        {"damaged", {damaged, other}, 1, "merrow: " + damaged + " cannot be read", 40},
        {"not Jet", {plain, other}, 1, "merrow: " + plain + " is not a legacy Jet database", 40},
        {"no new file", {jet}, 2, "merrow: --convert-legacy takes the old catalogue and", 40},
    };
    QByteArray converted; // the new file as the first run wrote it: later runs leave it be
    for (const auto &r : runs) {
        QProcess merrow;
        merrow.start(MERROW, QStringList{"--convert-legacy"} + r.arguments);
        ASSERT_TRUE(merrow.waitForFinished(60000)) << r.why;
        const QString out = QString::fromUtf8(r.code ? merrow.readAllStandardError()
                                                     : merrow.readAllStandardOutput());
        EXPECT_EQ(merrow.exitCode(), r.code) << r.why << ": " << out.toStdString();
        EXPECT_TRUE(out.trimmed().section('\n', -1).startsWith(r.says)) << out.toStdString();
        EXPECT_EQ(rowCount(target, "tabella1"), r.games) << r.why;
        if (converted.isEmpty())
            converted = readFile(target);
        EXPECT_EQ(readFile(target), converted) << r.why;
    }
    EXPECT_EQ(rowCount(target, "tabella2"), 1) << "the configuration record";
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_EQ(readFile(jet), original);
}
