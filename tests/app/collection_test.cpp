// vantrel --scan, --relink and --missing as a terminal runs them, on a catalogue converted
// from the older Windows program, whose paths are Windows paths.
#include "widgettest.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace
{

struct Ran {
    int code = -1;
    QStringList out;
    QString err;
};

Ran run(const char *program, const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromLatin1(program), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(u' ').toStdString();
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(CollectionCommands, AConvertedCatalogueIsRelinkedAndAFolderScannedOnce)
{
    QTemporaryDir dir;
    const QString catalogue = dir.filePath(QStringLiteral("converted.mdb"));
    const Ran converted = run(
        MERROW, {QStringLiteral("--convert-legacy"),
                 QStringLiteral(VANTREL_LEGACY_FIXTURES "/catalogue-jet4-windows.mdb"), catalogue});
    ASSERT_EQ(converted.code, 0);
    EXPECT_EQ(converted.out.mid(1),
              QStringList({"Converted 24 games into " + catalogue,
                           "80 stored paths do not exist on this computer. Relink them with:",
                           "  vantrel --catalogue " + catalogue + " --relink --search FOLDER"}));
    const QStringList on{QStringLiteral("--catalogue"), catalogue};
    const QString falcon = QStringLiteral("C:\\Giochi\\C64\\Dischi\\Falcon Château.d64");
    const Ran missing = run(VANTREL, on + QStringList{QStringLiteral("--missing")});
    EXPECT_EQ(missing.code, 0);
    EXPECT_EQ(missing.out.value(0), QStringLiteral("1\tgame file\t") + falcon);

    // The collection copied over in another letter case.
    const QString moved =
        writeFile(dir.filePath(QStringLiteral("games/c64/DISCHI/falcon château.D64")));
    const QStringList relink =
        on + QStringList{QStringLiteral("--relink"), QStringLiteral("--from"),
                         QStringLiteral("c:/giochi"), QStringLiteral("--to"),
                         dir.filePath(QStringLiteral("games"))};
    const Ran dry = run(VANTREL, relink + QStringList{QStringLiteral("--dry-run")});
    EXPECT_EQ(dry.code, 0);
    EXPECT_EQ(dry.out.value(0), QStringLiteral("1\tgame file\t%1\t%2").arg(falcon, moved));
    EXPECT_EQ(dry.out.value(1), QStringLiteral("-\tC64 games folder\tC:\\Giochi\\C64\\Dischi\\\t") +
                                    QFileInfo(moved).path());
    EXPECT_EQ(dry.out.last(), QStringLiteral("Would relink 2, still missing 78, ambiguous 0."));
    EXPECT_EQ(run(VANTREL, on + QStringList{QStringLiteral("--missing")}).out.value(0),
              missing.out.value(0));
    EXPECT_EQ(run(VANTREL, relink).code, 0);
    EXPECT_NE(run(VANTREL, on + QStringList{QStringLiteral("--missing")}).out.value(0),
              missing.out.value(0));

    const Ran noFolder =
        run(VANTREL, on + QStringList{QStringLiteral("--relink"), QStringLiteral("--search"),
                                      dir.filePath(QStringLiteral("none"))});
    EXPECT_EQ(noFolder.code, 2);
    EXPECT_EQ(run(VANTREL, on + QStringList{QStringLiteral("--relink")}).code, 1);

    writeFile(dir.filePath(QStringLiteral("new/Krakout (1987)(Gremlin).d64")),
              QByteArray(174848, '\0'));
    writeFile(dir.filePath(QStringLiteral("new/broken.d64")), "cut");
    const QStringList scan =
        on + QStringList{QStringLiteral("--scan"), dir.filePath(QStringLiteral("new"))};
    const Ran first = run(VANTREL, scan);
    EXPECT_EQ(first.code, 0);
    EXPECT_TRUE(first.out.value(0).startsWith(QStringLiteral("added\t")))
        << first.out.value(0).toStdString();
    EXPECT_TRUE(first.out.value(0).endsWith(QStringLiteral("\tKrakout\tC64\t1")));
    EXPECT_EQ(first.out.last(), QStringLiteral("Added 1 game; 1 file skipped."));
    EXPECT_EQ(run(VANTREL, scan).out.last(), QStringLiteral("Added 0 games; 1 file skipped."));
}

} // namespace
