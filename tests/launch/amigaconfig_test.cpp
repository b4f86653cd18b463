// The Amiga configuration writer: line rules, line ends, streaming, the file and its failures.
#include "amigaconfigwriter.h"
#include "amigarecords.h"
#include "launchtest.h"
#include "testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

constexpr AmigaEmulator UAE = AmigaEmulator::WinUAE;
constexpr AmigaEmulator Fellow = AmigaEmulator::WinFellow;

const AmigaDrives kFour{"A:\\D1.ADF", "A:\\D2.ADF", "A:\\D3.ADF", "A:\\D4.ADF"};

QByteArray rewrite(AmigaEmulator e, const QByteArray &text, const AmigaDrives &d, bool hideGui)
{
    return AmigaConfigRewriter(e, d, hideGui).rewrite(text);
}

} // namespace

TEST(AmigaConfigRules, TemplateLines)
{
    const AmigaDrives one{"A:\\GAME1.ADF", QString(), QVariant(), QVariant()};
    // Null, a null string and an empty string all give the bare key, never a word.
    const AmigaDrives nulls{QVariant(QMetaType(QMetaType::QString)), QString(""), QVariant(),
                            "C:\\x.adf"};
    const AmigaDrives hostile{"/home/jö/Über.adf", "x.adf\r\nuse_gui=true\nfloppy9", {}, {}};
    const QByteArray uaeDoc = "floppy0=C:\\old\\path.adf\r\nfloppy1=\r\nuse_gui=yes\r\n";
    using Case = std::tuple<AmigaEmulator, QByteArray, AmigaDrives, bool, QByteArray>;
    const Case cases[] = {
        {UAE, uaeDoc, one, true, "floppy0=A:\\GAME1.ADF\r\nfloppy1=\r\nuse_gui=false\r\n"},
        {UAE, uaeDoc, one, false, "floppy0=A:\\GAME1.ADF\r\nfloppy1=\r\nuse_gui=yes\r\n"},
        // Each GUI key belongs to its emulator; the prefix rule replaces the bare key too.
        {Fellow, "usegui=yes\nuse_gui=yes\n", {}, true, "usegui=no\r\nuse_gui=yes\r\n"},
        {Fellow, "usegui=yes\nuse_gui=yes\n", {}, false, "usegui=yes\r\nuse_gui=yes\r\n"},
        {UAE, "usegui=yes\nuse_gui=yes\n", {}, true, "usegui=yes\r\nuse_gui=false\r\n"},
        {Fellow, "usegui\nuseguiX\nUsegui=1", {}, true, "usegui=no\r\nusegui=no\r\nUsegui=1\r\n"},
        {UAE, "use_gui\nuse_gu\n", {}, true, "use_gui=false\r\nuse_gu\r\n"},
        // Floppy keys: exact, case-sensitive prefixes; "floppy0type" is replaced too.
        {UAE,
         "Floppy0=C:\\keep.adf\nfloppy0\nfloppy0type=0\nfloppy3=x\nfloppy4=C:\\four.adf\n"
         "floppy\n floppy1=lead\nfloppy1\n",
         kFour, false,
         "Floppy0=C:\\keep.adf\r\nfloppy0=A:\\D1.ADF\r\nfloppy0=A:\\D1.ADF\r\n"
         "floppy3=A:\\D4.ADF\r\nfloppy4=C:\\four.adf\r\nfloppy\r\n floppy1=lead\r\n"
         "floppy1=A:\\D2.ADF\r\n"},
        {Fellow, "floppy2=old\nfloppy1=old", kFour, false,
         "floppy2=A:\\D3.ADF\r\nfloppy1=A:\\D2.ADF\r\n"},
        {UAE, "floppy0=a\nfloppy1=b\nfloppy2=c\nfloppy3=d\n", nulls, false,
         "floppy0=\r\nfloppy1=\r\nfloppy2=\r\nfloppy3=C:\\x.adf\r\n"},
        // Values are UTF-8 and cannot smuggle in lines of their own.
        {UAE, "floppy0=\nfloppy1=\n", hostile, false,
         "floppy0=/home/j\xc3\xb6/\xc3\x9c"
         "ber.adf\r\nfloppy1=x.adfuse_gui=truefloppy9\r\n"},
        // A NUL right after a key does not stop it from matching.
        {UAE, QByteArray("floppy2\0junk", 12), kFour, false, "floppy2=A:\\D3.ADF\r\n"},
    };
    for (const auto &[emulator, in, drives, hideGui, out] : cases)
        EXPECT_EQ(rewrite(emulator, in, drives, hideGui), out) << in.toStdString();

    QByteArray binary; // every byte but the line ends is copied
    for (int i = 0; i < 256; ++i)
        binary += (i == '\r' || i == '\n') ? 'x' : char(i);
    EXPECT_EQ(rewrite(Fellow, binary, kFour, true), binary + "\r\n");
}

TEST(AmigaConfigRules, EveryLineEndBecomesCrlf)
{
    const AmigaDrives d{"D", {}, {}, {}};
    EXPECT_EQ(rewrite(UAE, "", d, false), "");
    EXPECT_EQ(rewrite(UAE, "a", d, false), "a\r\n");
    EXPECT_EQ(rewrite(UAE, "floppy0=x\r", d, false), "floppy0=D\r\n");
    EXPECT_EQ(rewrite(UAE, "a\r\nb\nc\rd\n\r\ne\n\rf\r\rg\n\n", d, false),
              "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n\r\nf\r\n\r\ng\r\n\r\n");
}

// Keys, CRLF pairs and long lines split at every position must give the same output.
TEST(AmigaConfigRules, AnySplitGivesTheSameOutputInBoundedMemory)
{
    const QByteArray tmpl = "floppy0=old\r\nuse_gui=yes\r\nFloppy1\rfloppy1\r\n\r\n"
                            "usegui=1\nlong line that is copied as it is\r\nflop\r\nfloppy3";
    const QByteArrayView view(tmpl);
    for (AmigaEmulator emulator : {UAE, Fellow})
        for (qsizetype cut = 0; cut <= tmpl.size(); ++cut)
            for (qsizetype cut2 = cut; cut2 <= tmpl.size(); cut2 += 5) {
                AmigaConfigRewriter rewriter(emulator, kFour, true);
                QByteArray out;
                for (const QByteArrayView piece :
                     {view.first(cut), view.sliced(cut, cut2 - cut), view.sliced(cut2)})
                    rewriter.feed(piece, out);
                rewriter.finish(out);
                ASSERT_EQ(out, rewrite(emulator, tmpl, kFour, true))
                    << "cuts " << cut << ", " << cut2;
            }
}

namespace
{

class AmigaConfigFile : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) { writeFile(path(name), bytes); }
    QByteArray read(const QString &name) const { return c64img::fileBytes(path(name)); }
    AmigaConfigRequest request(const QString &tmpl, AmigaEmulator emulator = UAE) const
    {
        return {emulator, tmpl.isEmpty() ? QString() : path(tmpl), kFour, true,
                path(amigaOutputName(emulator))};
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(AmigaConfigFile, ReplacesAnOlderFile)
{
    write("vantrel.uae", QByteArray(10000, 'o'));
    write("a.uae", "floppy0=x\nuse_gui=yes\ncpu_type=68020");
    ASSERT_TRUE(writeAmigaConfig(request("a.uae")).ok());
    EXPECT_EQ(read("vantrel.uae"), "floppy0=A:\\D1.ADF\r\nuse_gui=false\r\ncpu_type=68020\r\n");
    AmigaConfigRequest fellow = request("a.uae", Fellow);
    fellow.hideGui = false;
    ASSERT_TRUE(writeAmigaConfig(fellow).ok());
    EXPECT_EQ(read("vantrel.wfc"), "floppy0=A:\\D1.ADF\r\nuse_gui=yes\r\ncpu_type=68020\r\n");
}

TEST_F(AmigaConfigFile, UnusableTemplateOrOutputIsAnErrorAndKeepsTheOldOutput)
{
    using Status = AmigaConfigResult::Status;
    write("vantrel.uae", "previous");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.uae"));
    EXPECT_EQ(writeAmigaConfig(request(QString())).status, Status::NoTemplate);
    QProcess::execute("mkfifo", {path("pipe.uae")}); // a pipe would block a plain read
    for (const char *bad : {"gone.uae", "folder.uae", "pipe.uae"}) {
        const AmigaConfigResult r = writeAmigaConfig(request(QString::fromLatin1(bad)));
        EXPECT_EQ(r.status, Status::TemplateUnreadable) << bad;
        EXPECT_FALSE(r.error.isEmpty());
    }
    EXPECT_EQ(read("vantrel.uae"), "previous");

    write("a.uae", "floppy0=\n");
    AmigaConfigRequest r = request("a.uae");
    ASSERT_TRUE(QDir(dir.path()).mkdir("out.uae"));
    for (const QString &out : {path("no/such/folder/vantrel.uae"), path("out.uae")}) {
        r.outputPath = out;
        const AmigaConfigResult result = writeAmigaConfig(r);
        EXPECT_EQ(result.status, Status::OutputUnwritable) << out.toStdString();
        EXPECT_FALSE(result.error.isEmpty());
    }
}

// Null and empty disk fields of a game are read back in the catalogue player's tests.
TEST(AmigaRecords, UnreadableCatalogueIsAnError)
{
    QString error;
    EXPECT_TRUE(readAmigaEmulators(QSqlDatabase(), &error).uae.isNull());
    EXPECT_FALSE(error.isEmpty());
    TestCatalogue catalogue;
    EXPECT_FALSE(readAmigaDisks(catalogue.db(), 12345));
}
