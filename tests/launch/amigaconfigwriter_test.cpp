#include "amigaconfigwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{

QByteArray rewrite(AmigaEmulator emulator, const QByteArray &text, const AmigaDrives &drives = {},
                   bool hideGui = false)
{
    return AmigaConfigRewriter(emulator, drives, hideGui).rewrite(text);
}

const AmigaDrives kFourDisks{QStringLiteral("A:\\D1.ADF"), QStringLiteral("A:\\D2.ADF"),
                             QStringLiteral("A:\\D3.ADF"), QStringLiteral("A:\\D4.ADF")};

// Every line ends in CRLF, with no CR or LF anywhere else.
bool onlyCrlfLineEnds(const QByteArray &out)
{
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i] == '\r' && (i + 1 >= out.size() || out[i + 1] != '\n'))
            return false;
        if (out[i] == '\n' && (i == 0 || out[i - 1] != '\r'))
            return false;
    }
    return out.isEmpty() || out.endsWith("\r\n");
}

} // namespace

TEST(AmigaConfigRules, DocumentedWinUaeTemplate)
{
    const QByteArray tmpl = "floppy0=C:\\old\\path.adf\r\nfloppy1=\r\nuse_gui=yes\r\n";
    const AmigaDrives drives{QStringLiteral("A:\\GAME1.ADF"), QString(), QVariant(), QVariant()};
    EXPECT_EQ(rewrite(AmigaEmulator::WinUAE, tmpl, drives, true),
              "floppy0=A:\\GAME1.ADF\r\nfloppy1=\r\nuse_gui=false\r\n");
    EXPECT_EQ(rewrite(AmigaEmulator::WinUAE, tmpl, drives, false),
              "floppy0=A:\\GAME1.ADF\r\nfloppy1=\r\nuse_gui=yes\r\n");
}

TEST(AmigaConfigRules, GuiKeyBelongsToItsEmulator)
{
    const QByteArray tmpl = "usegui=yes\nuse_gui=yes\n";
    EXPECT_EQ(rewrite(AmigaEmulator::WinFellow, tmpl, {}, true), "usegui=no\r\nuse_gui=yes\r\n");
    EXPECT_EQ(rewrite(AmigaEmulator::WinFellow, tmpl, {}, false), "usegui=yes\r\nuse_gui=yes\r\n");
    EXPECT_EQ(rewrite(AmigaEmulator::WinUAE, tmpl, {}, true), "usegui=yes\r\nuse_gui=false\r\n");
    // Prefix rule: the bare key and anything after it are replaced.
    EXPECT_EQ(rewrite(AmigaEmulator::WinFellow, "usegui\nuseguiX=1\nUsegui=yes", {}, true),
              "usegui=no\r\nusegui=no\r\nUsegui=yes\r\n");
    EXPECT_EQ(rewrite(AmigaEmulator::WinUAE, "use_gui\nuse_gu\n", {}, true),
              "use_gui=false\r\nuse_gu\r\n");
}

TEST(AmigaConfigRules, FloppyPrefixIsExactAndCaseSensitive)
{
    const QByteArray tmpl = "Floppy0=C:\\keep.adf\n"
                            "floppy0\n"
                            "floppy0type=0\n"
                            "floppy3=x\n"
                            "floppy4=C:\\four.adf\n"
                            "floppy\n"
                            " floppy1=lead\n"
                            "floppy1\n";
    EXPECT_EQ(rewrite(AmigaEmulator::WinUAE, tmpl, kFourDisks), "Floppy0=C:\\keep.adf\r\n"
                                                                "floppy0=A:\\D1.ADF\r\n"
                                                                "floppy0=A:\\D1.ADF\r\n"
                                                                "floppy3=A:\\D4.ADF\r\n"
                                                                "floppy4=C:\\four.adf\r\n"
                                                                "floppy\r\n"
                                                                " floppy1=lead\r\n"
                                                                "floppy1=A:\\D2.ADF\r\n");
    // The same lines in a WinFellow template.
    EXPECT_EQ(rewrite(AmigaEmulator::WinFellow, "floppy2=old\nfloppy1=old", kFourDisks),
              "floppy2=A:\\D3.ADF\r\nfloppy1=A:\\D2.ADF\r\n");
}

TEST(AmigaConfigRules, NullAndEmptyDrivesGiveTheBareKey)
{
    const QByteArray tmpl = "floppy0=a\nfloppy1=b\nfloppy2=c\nfloppy3=d\n";
    const AmigaDrives drives{QVariant(QMetaType(QMetaType::QString)), QString(""), QVariant(),
                             QStringLiteral("C:\\x.adf")};
    const QByteArray out = rewrite(AmigaEmulator::WinUAE, tmpl, drives);
    EXPECT_EQ(out, "floppy0=\r\nfloppy1=\r\nfloppy2=\r\nfloppy3=C:\\x.adf\r\n");
    EXPECT_FALSE(out.contains("Null"));
}

TEST(AmigaConfigRules, DriveValuesAreWrittenAsUtf8WithoutLineBreaks)
{
    const AmigaDrives drives{QStringLiteral("/home/jö/Spiele/Über Welt.adf"),
                             QStringLiteral("x.adf\r\nuse_gui=true\nfloppy9"), QVariant(),
                             QVariant()};
    EXPECT_EQ(rewrite(AmigaEmulator::WinUAE, "floppy0=\nfloppy1=\n", drives),
              QByteArray("floppy0=/home/j\xc3\xb6/Spiele/\xc3\x9c"
                         "ber Welt.adf\r\n"
                         "floppy1=x.adfuse_gui=truefloppy9\r\n"));
}

TEST(AmigaConfigLineEnds, EveryLineEndBecomesCrlf)
{
    struct Case {
        QByteArray in, out;
    } const cases[] = {
        {"", ""},
        {"\n", "\r\n"},
        {"\r\n", "\r\n"},
        {"\r", "\r\n"},
        {"a", "a\r\n"},
        {"a\r\nb", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\n\n\nb", "a\r\n\r\n\r\nb\r\n"},
        {"a\n\r\nb", "a\r\n\r\nb\r\n"},
        {"a\r\rb", "a\r\n\r\nb\r\n"},
        {"a\n\rb", "a\r\n\r\nb\r\n"},
        {"floppy0=x\r", "floppy0=D\r\n"},
    };
    for (const Case &c : cases) {
        const QByteArray out =
            rewrite(AmigaEmulator::WinUAE, c.in, {QStringLiteral("D"), {}, {}, {}});
        EXPECT_EQ(out, c.out) << c.in.toHex().toStdString();
        EXPECT_TRUE(onlyCrlfLineEnds(out)) << c.in.toHex().toStdString();
    }
}

TEST(AmigaConfigLineEnds, BinaryBytesAreCopiedUnchanged)
{
    QByteArray tmpl;
    for (int i = 0; i < 256; ++i)
        if (i != '\r' && i != '\n')
            tmpl += char(i);
    tmpl += '\n';
    tmpl += QByteArray("flop\0py0", 8);
    EXPECT_EQ(rewrite(AmigaEmulator::WinFellow, tmpl, kFourDisks, true),
              tmpl.left(254) + "\r\n" + QByteArray("flop\0py0", 8) + "\r\n");
    // A NUL right after a key does not stop the key from matching.
    EXPECT_EQ(rewrite(AmigaEmulator::WinUAE, QByteArray("floppy2\0junk", 12), kFourDisks),
              "floppy2=A:\\D3.ADF\r\n");
}

// The streaming rewriter must not depend on where the pieces of the template are cut: keys,
// CRLF pairs and long lines are split at every position here.
TEST(AmigaConfigStreaming, AnySplitGivesTheSameOutput)
{
    const QByteArray tmpl = "floppy0=old\r\nuse_gui=yes\r\nFloppy1\rfloppy1\r\n\r\n"
                            "usegui=1\nlong line that is copied as it is\r\nflop\r\nfloppy3";
    for (AmigaEmulator emulator : {AmigaEmulator::WinUAE, AmigaEmulator::WinFellow}) {
        const QByteArray whole = rewrite(emulator, tmpl, kFourDisks, true);
        for (qsizetype cut = 0; cut <= tmpl.size(); ++cut) {
            for (qsizetype cut2 = cut; cut2 <= tmpl.size(); cut2 += 5) {
                AmigaConfigRewriter rewriter(emulator, kFourDisks, true);
                QByteArray out;
                rewriter.feed(QByteArrayView(tmpl).first(cut), out);
                rewriter.feed(QByteArrayView(tmpl).sliced(cut, cut2 - cut), out);
                rewriter.feed(QByteArrayView(tmpl).sliced(cut2), out);
                rewriter.finish(out);
                ASSERT_EQ(out, whole) << "cuts " << cut << ", " << cut2;
            }
        }
        AmigaConfigRewriter bytewise(emulator, kFourDisks, true);
        QByteArray out;
        for (char c : tmpl)
            bytewise.feed(QByteArrayView(&c, 1), out);
        bytewise.finish(out);
        EXPECT_EQ(out, whole);
    }
}

TEST(AmigaConfigStreaming, ReplacedLongLineIsNotHeldInMemory)
{
    AmigaConfigRewriter rewriter(AmigaEmulator::WinUAE, kFourDisks, false);
    QByteArray out;
    rewriter.feed("floppy0=", out);
    const QByteArray megabyte(1 << 20, 'x');
    for (int i = 0; i < 64; ++i)
        rewriter.feed(megabyte, out);
    rewriter.feed("\nrest", out);
    rewriter.finish(out);
    EXPECT_EQ(out, "floppy0=A:\\D1.ADF\r\nrest\r\n");
}

TEST(AmigaConfigNames, FoldersPatternsOutputsAndCommand)
{
    const QString uae = QDir::toNativeSeparators(QStringLiteral("/opt/emu/uae/winuae"));
    EXPECT_EQ(amigaTemplateFolder(AmigaEmulator::WinUAE, uae),
              QDir::toNativeSeparators(QStringLiteral("/opt/emu/uae/configurations")));
    EXPECT_EQ(amigaTemplateFolder(AmigaEmulator::WinFellow,
                                  QDir::toNativeSeparators(QStringLiteral("/opt/fellow/fellow"))),
              QDir::toNativeSeparators(QStringLiteral("/opt/fellow")));
    EXPECT_EQ(amigaTemplateFolder(AmigaEmulator::WinFellow,
                                  QDir::toNativeSeparators(QStringLiteral("rel/fellow"))),
              QStringLiteral("rel"));
    // No folder part: a bad configuration, not the current folder.
    EXPECT_TRUE(amigaTemplateFolder(AmigaEmulator::WinUAE, QStringLiteral("winuae")).isEmpty());
    EXPECT_TRUE(amigaTemplateFolder(AmigaEmulator::WinFellow, QString()).isEmpty());

    EXPECT_EQ(amigaTemplatePattern(AmigaEmulator::WinUAE), QStringLiteral("*.uae"));
    EXPECT_EQ(amigaTemplatePattern(AmigaEmulator::WinFellow), QStringLiteral("*.wfc"));
    EXPECT_EQ(amigaOutputName(AmigaEmulator::WinUAE), QStringLiteral("vantrel.uae"));
    EXPECT_EQ(amigaOutputName(AmigaEmulator::WinFellow), QStringLiteral("vantrel.wfc"));

    const Command command =
        amigaCommand(QStringLiteral("/opt/My Emu/winuae"), QStringLiteral("/tmp/vantrel.uae"));
    EXPECT_EQ(command.program, QStringLiteral("/opt/My Emu/winuae"));
    EXPECT_EQ(command.arguments,
              QStringList({QStringLiteral("-f"), QStringLiteral("/tmp/vantrel.uae")}));
    EXPECT_EQ(command.windowStyle, WindowStyle::NormalFocus);
    EXPECT_EQ(command.text(), QStringLiteral("/opt/My Emu/winuae -f /tmp/vantrel.uae"));
}

class AmigaConfigFile : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    AmigaConfigRequest request(const QString &tmpl) const
    {
        AmigaConfigRequest r;
        r.emulator = AmigaEmulator::WinUAE;
        r.templatePath = tmpl.isEmpty() ? QString() : path(tmpl);
        r.drives = kFourDisks;
        r.guiFlag = 0;
        r.outputPath = path(QStringLiteral("vantrel.uae"));
        return r;
    }

    QTemporaryDir dir;
};

TEST_F(AmigaConfigFile, WritesTheRewrittenTemplateAndReplacesAnOlderFile)
{
    write(QStringLiteral("vantrel.uae"), QByteArray(10000, 'o'));
    write(QStringLiteral("a.uae"), "floppy0=x\nuse_gui=yes\ncpu_type=68020");
    const AmigaConfigResult result = writeAmigaConfig(request(QStringLiteral("a.uae")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(read(QStringLiteral("vantrel.uae")),
              "floppy0=A:\\D1.ADF\r\nuse_gui=false\r\ncpu_type=68020\r\n");

    AmigaConfigRequest fellow = request(QStringLiteral("a.uae"));
    fellow.emulator = AmigaEmulator::WinFellow;
    fellow.guiFlag = 1;
    fellow.outputPath = path(QStringLiteral("vantrel.wfc"));
    ASSERT_TRUE(writeAmigaConfig(fellow).ok());
    EXPECT_EQ(read(QStringLiteral("vantrel.wfc")),
              "floppy0=A:\\D1.ADF\r\nuse_gui=yes\r\ncpu_type=68020\r\n");
}

TEST_F(AmigaConfigFile, LargeTemplateCrossingReadChunksMatchesTheWholeRewrite)
{
    QByteArray tmpl;
    for (int i = 0; tmpl.size() < 300 * 1024; ++i)
        tmpl += (i % 7 == 0 ? QByteArray("floppy" + QByteArray::number(i % 4) + "=old/path/")
                            : QByteArray("key=")) +
                QByteArray(i % 97, char('a' + i % 26)) + (i % 3 ? "\r\n" : "\n");
    tmpl += QByteArray(100 * 1024, '\0'); // a binary tail without a line end
    write(QStringLiteral("big.uae"), tmpl);
    ASSERT_TRUE(writeAmigaConfig(request(QStringLiteral("big.uae"))).ok());
    EXPECT_EQ(read(QStringLiteral("vantrel.uae")),
              AmigaConfigRewriter(AmigaEmulator::WinUAE, kFourDisks, true).rewrite(tmpl));
}

TEST_F(AmigaConfigFile, MissingOrUnusableTemplateIsAnErrorAndKeepsTheOldOutput)
{
    write(QStringLiteral("vantrel.uae"), "previous");
    using Status = AmigaConfigResult::Status;
    EXPECT_EQ(writeAmigaConfig(request(QString())).status, Status::NoTemplate);
    EXPECT_EQ(writeAmigaConfig(request(QStringLiteral("gone.uae"))).status,
              Status::TemplateUnreadable);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.uae")));
    const AmigaConfigResult folder = writeAmigaConfig(request(QStringLiteral("folder.uae")));
    EXPECT_EQ(folder.status, Status::TemplateUnreadable);
    EXPECT_FALSE(folder.error.isEmpty());
#ifdef Q_OS_UNIX
    ASSERT_EQ(mkfifo(QFile::encodeName(path(QStringLiteral("pipe.uae"))).constData(), 0600), 0);
    EXPECT_EQ(writeAmigaConfig(request(QStringLiteral("pipe.uae"))).status,
              Status::TemplateUnreadable);
    write(QStringLiteral("locked.uae"), "floppy0=\n");
    QFile::setPermissions(path(QStringLiteral("locked.uae")), QFile::WriteOwner);
    if (geteuid() != 0) {
        EXPECT_EQ(writeAmigaConfig(request(QStringLiteral("locked.uae"))).status,
                  Status::TemplateUnreadable);
    }
#endif
    EXPECT_EQ(read(QStringLiteral("vantrel.uae")), "previous");
}

TEST_F(AmigaConfigFile, UnwritableOutputIsAnError)
{
    write(QStringLiteral("a.uae"), "floppy0=\n");
    AmigaConfigRequest r = request(QStringLiteral("a.uae"));
    r.outputPath = path(QStringLiteral("no/such/folder/vantrel.uae"));
    const AmigaConfigResult missing = writeAmigaConfig(r);
    EXPECT_EQ(missing.status, AmigaConfigResult::Status::OutputUnwritable);
    EXPECT_FALSE(missing.error.isEmpty());
    r.outputPath.clear();
    EXPECT_EQ(writeAmigaConfig(r).status, AmigaConfigResult::Status::OutputUnwritable);
    // The output is a folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("out.uae")));
    r.outputPath = path(QStringLiteral("out.uae"));
    EXPECT_EQ(writeAmigaConfig(r).status, AmigaConfigResult::Status::OutputUnwritable);
}
