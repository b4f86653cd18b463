// The Amiga configuration writer: line rules, line ends, streaming, the file and its failures.
#include "amigaconfigwriter.h"
#include "launchtest.h"

#include <QProcess>
#include <QTemporaryDir>

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

TEST(AmigaConfigRules, TemplateLinesAndLineEnds)
{
    // Null, a null string and an empty string all give the bare key, never a word.
    const AmigaDrives nulls{QVariant(QMetaType(QMetaType::QString)), QString(""), QVariant(), "x"};
    const AmigaDrives hostile{"/home/jö/Über.adf", "x.adf\r\nuse_gui=true\nfloppy9", {}, {}};
    using Case = std::tuple<AmigaEmulator, QByteArray, AmigaDrives, bool, QByteArray>;
    const Case cases[] = {
        // Each GUI key belongs to its emulator and is rewritten only to hide the GUI.
        {UAE, "usegui=1\nuse_gui\nuse_gu", kFour, true, "usegui=1\r\nuse_gui=false\r\nuse_gu\r\n"},
        {Fellow, "use_gui=1\nuseguiX", kFour, true, "use_gui=1\r\nusegui=no\r\n"},
        // Floppy keys: exact, case-sensitive prefixes; "floppy0type" is replaced too.
        {UAE, "Floppy0=C:\\keep.adf\nfloppy0type=0\nfloppy3\nfloppy4=C:\\four.adf\n floppy1=x\n",
         kFour, false,
         "Floppy0=C:\\keep.adf\r\nfloppy0=A:\\D1.ADF\r\nfloppy3=A:\\D4.ADF\r\n"
         "floppy4=C:\\four.adf\r\n floppy1=x\r\n"},
        {Fellow, "floppy0=a\nfloppy1=b\nfloppy2=c\nfloppy3=d\n", nulls, false,
         "floppy0=\r\nfloppy1=\r\nfloppy2=\r\nfloppy3=x\r\n"},
        // Values are UTF-8 and cannot smuggle in lines of their own.
        {UAE, "floppy0=\nfloppy1=\n", hostile, false,
         "floppy0=/home/j\xc3\xb6/\xc3\x9c"
         "ber.adf\r\nfloppy1=x.adfuse_gui=truefloppy9\r\n"},
        // Every line end becomes CRLF, a last line without one included.
        {UAE, "", kFour, false, ""},
        {UAE, "a\r\nb\nc\rd\n\r\ne\n\rf\r\rg\n\nh", kFour, false,
         "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n\r\nf\r\n\r\ng\r\n\r\nh\r\n"},
    };
    for (const auto &[emulator, in, drives, hideGui, out] : cases)
        EXPECT_EQ(rewrite(emulator, in, drives, hideGui), out) << in.toStdString();
}

// Keys and CRLF pairs split at every position must give the same output.
TEST(AmigaConfigRules, AnySplitGivesTheSameOutput)
{
    const QByteArray tmpl =
        "floppy0=old\r\nuse_gui=yes\r\nFloppy1\rfloppy1\r\n\r\nusegui=1\nfloppy3";
    for (AmigaEmulator emulator : {UAE, Fellow})
        for (qsizetype cut = 0; cut <= tmpl.size(); ++cut) {
            AmigaConfigRewriter rewriter(emulator, kFour, true);
            QByteArray out;
            rewriter.feed(QByteArrayView(tmpl).first(cut), out);
            rewriter.feed(QByteArrayView(tmpl).sliced(cut), out);
            rewriter.finish(out);
            EXPECT_EQ(out, rewrite(emulator, tmpl, kFour, true)) << cut;
        }
}

TEST(AmigaConfigFile, ReplacesAnOlderFileOnlyWhenWrittenCompletely)
{
    using Status = AmigaConfigResult::Status;
    QTemporaryDir dir;
    const QString output = writeFile(dir.filePath("vantrel.uae"), "previous");
    const auto write = [&](const QString &tmpl, const QString &out = {}) {
        return writeAmigaConfig({UAE, tmpl, kFour, true, out.isEmpty() ? output : out});
    };
    EXPECT_EQ(write(QString()).status, Status::NoTemplate);
    QProcess::execute("mkfifo", {dir.filePath("pipe.uae")}); // would block a plain read
    for (const char *bad : {"gone.uae", "pipe.uae"}) {
        const AmigaConfigResult r = write(dir.filePath(bad));
        EXPECT_EQ(r.status, Status::TemplateUnreadable) << bad;
        EXPECT_FALSE(r.error.isEmpty()) << bad;
    }
    const QString tmpl = writeFile(dir.filePath("a.uae"), "floppy0=x\nuse_gui=yes\ncpu=68020");
    for (const QString &out : {dir.filePath("no/such/folder/vantrel.uae"), dir.path()}) {
        const AmigaConfigResult r = write(tmpl, out);
        EXPECT_EQ(r.status, Status::OutputUnwritable) << out.toStdString();
        EXPECT_FALSE(r.error.isEmpty()) << out.toStdString();
    }
    EXPECT_EQ(fileBytes(output), "previous");
    ASSERT_TRUE(write(tmpl).ok());
    EXPECT_EQ(fileBytes(output), "floppy0=A:\\D1.ADF\r\nuse_gui=false\r\ncpu=68020\r\n");
}
