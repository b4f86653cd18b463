// `vantrel --dir`: output, exit codes and argument lookup.
#include "c64dirlisting.h"
#include "c64imagefixtures.h"

#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace fixtures;

namespace
{

struct Listed {
    int code;
    QString out;
    QString err;
};

Listed run(const QString &image)
{
    Listed r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = runDirListing(image, out, err);
    out.flush();
    err.flush();
    return r;
}

} // namespace

TEST(C64DirListing, PrintsHeaderThenTheListLines)
{
    QTemporaryDir dir;
    QByteArray disk = emptyD64("LISTING", "LI");
    putEntry(disk, 1, 0, {0x82, "FIRST", 17, 0, 12});
    putEntry(disk, 1, 1, {0xC1, "SECOND", 17, 1, 1});
    const Listed r = run(writeImage(dir.path(), QStringLiteral("a.d64"), disk));
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("LISTING\nLI") + QChar(0xA0) +
                         QStringLiteral("2A\n664 BLOCKS FREE.\n"
                                        "\"FIRST\"            \t12\tPRG\n"
                                        "\"SECOND\"           \t1\t<SEQ\n"));
    EXPECT_TRUE(r.err.isEmpty());

    const Listed tape = run(writeImage(dir.path(), QStringLiteral("b.T64"),
                                    t64({{0x82, "TAPED", 0x0801, 0x0802, ' '}}, 8, "T")));
    EXPECT_EQ(tape.code, 0);
    EXPECT_EQ(tape.out, QStringLiteral("T\n\n\n\"TAPED\"           \t1\tPRG\n"));
}

TEST(C64DirListing, CorruptedDirectoryPrintsWhatWasReadAndExitsTwo)
{
    QTemporaryDir dir;
    QByteArray disk = d64WithEntries(144);
    putLink(disk, 18, 18, 5);
    const Listed r = run(writeImage(dir.path(), QStringLiteral("bad.d64"), disk));
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 3 + 144);
    EXPECT_EQ(r.err, QStringLiteral("Directory appears to be corrupted.\nIt is recommended to NOT "
                                    "use this program with this file.\n"));
}

TEST(C64DirListing, NotAnImageOrUnreadableExitsOne)
{
    QTemporaryDir dir;
    const QString text = writeImage(dir.path(), QStringLiteral("notes.txt"), "x");
    for (const QString &path : {text, dir.filePath(QStringLiteral("missing.d64")),
                                dir.filePath(QStringLiteral("x.D64x")), QString()}) {
        const Listed r = run(path);
        EXPECT_EQ(r.code, 1) << path.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_TRUE(run(text).err.contains(QStringLiteral("not a D64 or T64 image")));
}

TEST(C64DirListing, FindsTheOptionBeforeTheApplicationStarts)
{
    const auto parse = [](std::initializer_list<const char *> args) {
        std::vector<char *> argv;
        for (const char *a : args)
            argv.push_back(const_cast<char *>(a));
        return dirListingArgument(int(argv.size()), argv.data());
    };
    EXPECT_EQ(parse({"vantrel", "--dir", "/a b.d64"}), QStringLiteral("/a b.d64"));
    EXPECT_EQ(parse({"vantrel", "--catalogue", "c.mdb", "--dir=x.t64"}), QStringLiteral("x.t64"));
    EXPECT_EQ(parse({"vantrel", "--dir"}), QString());
    EXPECT_FALSE(parse({"vantrel", "--catalogue", "c.mdb"}).has_value());
    EXPECT_FALSE(parse({"vantrel", "--", "--dir", "x.d64"}).has_value());
}
