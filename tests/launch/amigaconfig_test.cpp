// The Amiga configuration writer: line rules, line ends, streaming, the file and its failures.
#include "amigaconfigwriter.h"
#include "amigarecords.h"
#include "launchtest.h"
#include "runtimefolder.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace
{

constexpr AmigaFormat UAE = AmigaFormat::Uae;
constexpr AmigaFormat FS = AmigaFormat::FsUae;
constexpr AmigaFormat Fellow = AmigaFormat::Fellow;
const AmigaDrives kNone{};
const AmigaDrives kOne{"A:\\D1.ADF", {}, {}, {}};
const AmigaDrives kThree{"A:\\D1.ADF", "A:\\D2.ADF", "A:\\D3.ADF", {}};
const AmigaDrives kFour{"A:\\D1.ADF", "A:\\D2.ADF", "A:\\D3.ADF", "A:\\D4.ADF"};

QByteArray rewrite(AmigaFormat e, const QByteArray &text, const AmigaDrives &d, bool hideGui)
{
    return AmigaConfigRewriter(e, d, hideGui).rewrite(text);
}

} // namespace

TEST(AmigaConfigRules, TemplateLinesAndLineEnds)
{
    // A null and an empty string both give the bare key, never a word.
    const AmigaDrives nulls{QString(), QString(""), QString(), "x"};
    const AmigaDrives hostile{"/home/jö/Über.adf", "x.adf\r\nuse_gui=true\nfloppy9", {}, {}};
    using Case = std::tuple<AmigaFormat, QByteArray, AmigaDrives, bool, QByteArray>;
    const Case cases[] = {
        // Each GUI key belongs to its emulator and is rewritten only to hide the GUI.
        {UAE, "usegui=1\nuse_gui\nuse_gu", kNone, true, "usegui=1\r\nuse_gui=false\r\nuse_gu\r\n"},
        {Fellow, "use_gui=1\nuseguiX", kNone, true, "use_gui=1\r\nusegui=no\r\n"},
        {FS, "use_gui=1\nusegui=1", kNone, true, "use_gui=1\nusegui=1\n"},
        // Drive keys are exact and trimmed; type lines stay; missing drives are added, with
        // their type and the drive count WinUAE needs for DF2 and DF3.
        {UAE, "Floppy0=C:\\keep.adf\nfloppy0type=0\nfloppy3\nfloppy4=C:\\four.adf\n floppy1 =x\n",
         kFour, false,
         "Floppy0=C:\\keep.adf\r\nfloppy0type=0\r\nfloppy3=A:\\D4.ADF\r\n"
         "floppy4=C:\\four.adf\r\nfloppy1=A:\\D2.ADF\r\nfloppy0=A:\\D1.ADF\r\n"
         "floppy2=A:\\D3.ADF\r\nfloppy2type=0\r\nfloppy3type=0\r\nnr_floppies=4\r\n"},
        // A count below the drives used is raised, a switched-off drive with a disk switched on.
        {UAE, "nr_floppies=2\nfloppy2type=-1\nfloppy3type=-1\nfloppy0=\nfloppy1=\nfloppy2=\n",
         kThree, false,
         "nr_floppies=3\r\nfloppy2type=0\r\nfloppy3type=-1\r\nfloppy0=A:\\D1.ADF\r\n"
         "floppy1=A:\\D2.ADF\r\nfloppy2=A:\\D3.ADF\r\n"},
        {UAE, "nr_floppies=4\nfloppy0=\n", kOne, false, "nr_floppies=4\r\nfloppy0=A:\\D1.ADF\r\n"},
        {FS, "[fs-uae]\nfloppy_drive_0 = old\nfloppy_drive_count = 1\nfloppy_drive_0_sounds = x\n",
         kThree, false,
         "[fs-uae]\nfloppy_drive_0 = A:\\D1.ADF\nfloppy_drive_count = 3\n"
         "floppy_drive_0_sounds = x\nfloppy_drive_1 = A:\\D2.ADF\nfloppy_drive_2 = A:\\D3.ADF\n"},
        {FS, "floppy0=x\r\n", kOne, false, "floppy0=x\nfloppy_drive_0 = A:\\D1.ADF\n"},
        {Fellow, "floppy0=a\nfloppy1=b\nfloppy2=c\nfloppy3=d\n", nulls, false,
         "floppy0=\r\nfloppy1=\r\nfloppy2=\r\nfloppy3=x\r\n"},
        {Fellow, "", kThree, false,
         "floppy0=A:\\D1.ADF\r\nfloppy1=A:\\D2.ADF\r\nfloppy2=A:\\D3.ADF\r\n"},
        // Values are UTF-8 and cannot smuggle in lines of their own.
        {UAE, "floppy0=\nfloppy1=\n", hostile, false,
         "floppy0=/home/j\xc3\xb6/\xc3\x9c"
         "ber.adf\r\nfloppy1=x.adfuse_gui=truefloppy9\r\n"},
        // Every line end becomes CRLF, a last line without one included.
        {UAE, "", kNone, false, ""},
        {UAE, "a\r\nb\nc\rd\n\r\ne\n\rf\r\rg\n\nh", kNone, false,
         "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n\r\nf\r\n\r\ng\r\n\r\nh\r\n"},
    };
    for (const auto &[emulator, in, drives, hideGui, out] : cases)
        EXPECT_EQ(rewrite(emulator, in, drives, hideGui), out) << in.toStdString();
}

// Keys and CRLF pairs split at every position must give the same output.
TEST(AmigaConfigRules, AnySplitGivesTheSameOutput)
{
    // Long lines are decided by their head: a long value still replaced, a long other line kept.
    const QByteArray tmpl = "floppy0=old\r\nuse_gui=yes\r\nFloppy1\rfloppy1\r\n\r\nusegui=1\ncpu=" +
                            QByteArray(300, 'x') + "\nfloppy2=" + QByteArray(300, 'y') +
                            "\nnr_floppies=1\nfloppy3";
    for (AmigaFormat emulator : {UAE, Fellow, FS})
        for (qsizetype cut = 0; cut <= tmpl.size(); ++cut) {
            AmigaConfigRewriter rewriter(emulator, kFour, true);
            QByteArray out;
            rewriter.feed(QByteArrayView(tmpl).first(cut), out);
            rewriter.feed(QByteArrayView(tmpl).sliced(cut), out);
            rewriter.finish(out);
            EXPECT_EQ(out, rewrite(emulator, tmpl, kFour, true)) << cut;
        }
    const QByteArray whole = rewrite(UAE, tmpl, kFour, true);
    EXPECT_TRUE(whole.contains(QByteArray("\r\ncpu=" + QByteArray(300, 'x') + "\r\n")));
    EXPECT_TRUE(whole.contains("\r\nfloppy2=A:\\D3.ADF\r\nnr_floppies=4\r\n"));
}

TEST(AmigaConfigFile, ReplacesAnOlderFileOnlyWhenWrittenCompletely)
{
    QTemporaryDir dir;
    const RuntimeFolder folder(QString(), dir.path(), ::geteuid());
    const QString output = writeFile(folder.filePath("vantrel.uae"), "previous");
    const auto write = [&](const QString &tmpl, const QString &name = "vantrel.uae",
                           const RuntimeFolder *in = nullptr) {
        return writeAmigaConfig({UAE, tmpl, kOne, true, name, {}}, in ? *in : folder).error();
    };
    EXPECT_EQ(write(QString()), "No configuration template is selected");
    QProcess::execute("mkfifo", {dir.filePath("pipe.uae")}); // would block a plain read
    EXPECT_EQ(write(dir.filePath("gone.uae")),
              "The template " + dir.filePath("gone.uae") + " does not exist");
    EXPECT_EQ(write(dir.filePath("pipe.uae")),
              "The template " + dir.filePath("pipe.uae") + " is not a file");
    const QString tmpl = writeFile(dir.filePath("a.uae"), "floppy0=x\nuse_gui=yes\ncpu=68020");
    // A folder holding the name; no private folder at all (its base is a file).
    ASSERT_TRUE(QDir().mkdir(folder.filePath("taken.uae")));
    const RuntimeFolder none(QString(), tmpl, ::geteuid());
    EXPECT_TRUE(
        write(tmpl, "taken.uae").startsWith("Cannot write " + folder.filePath("taken.uae") + ": "));
    EXPECT_EQ(write(tmpl, "vantrel.uae", &none), none.error());
    EXPECT_EQ(readFile(output), "previous");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"vantrel.uae"});
    EXPECT_EQ(write(tmpl), "");
    EXPECT_EQ(readFile(output), "floppy0=A:\\D1.ADF\r\nuse_gui=false\r\ncpu=68020\r\n");
}

// Every disk of a set once, in order, up to each program's reach.
TEST(AmigaConfigRules, SwapListsPerProgram)
{
    const auto set = [](int count) {
        QStringList disks;
        for (int i = 1; i <= count; ++i)
            disks << QString("/d/%1.adf").arg(i);
        return disks;
    };
    using Case = std::tuple<AmigaFormat, int, qsizetype, qsizetype, QString>;
    const Case cases[] = {
        // format, disks, swap list, unreachable, DF3
        {UAE, 2, 2, 0, {}},    {UAE, 6, 6, 0, "/d/4.adf"},    {UAE, 25, 20, 5, "/d/4.adf"},
        {FS, 2, 2, 0, {}},     {FS, 6, 6, 0, "/d/4.adf"},     {FS, 25, 20, 5, "/d/4.adf"},
        {Fellow, 2, 0, 0, {}}, {Fellow, 6, 0, 2, "/d/4.adf"}, {Fellow, 25, 0, 21, "/d/4.adf"},
        {UAE, 1, 0, 0, {}},
    };
    for (const auto &[format, count, swapped, unreachable, df3] : cases) {
        const QStringList disks = set(count);
        // The drives, then the further disks with a repeat.
        const AmigaDrives drives{disks.value(0), disks.value(1), disks.value(2), disks.value(3)};
        const AmigaDiskPlan plan =
            planAmigaDisks(format, drives, QStringList{disks.value(0)} + disks.mid(4));
        EXPECT_EQ(plan.swapList, set(count).mid(0, swapped)) << int(format) << " " << count;
        EXPECT_EQ(plan.unreachable, unreachable) << int(format) << " " << count;
        EXPECT_EQ(plan.drives[3], df3) << int(format) << " " << count;
    }
    // The template's swap keys take the list, bare beyond its end; the missing ones follow.
    const QStringList two{"A:\\1.ADF", "A:\\2.ADF"};
    EXPECT_EQ(AmigaConfigRewriter(FS, kOne, false, two)
                  .rewrite("floppy_image_1 = old\nfloppy_image_2=old\nfloppy_image_20 = x\n"),
              "floppy_image_1 = A:\\2.ADF\nfloppy_image_2 = \nfloppy_image_20 = x\n"
              "floppy_drive_0 = A:\\D1.ADF\nfloppy_image_0 = A:\\1.ADF\n");
    EXPECT_EQ(AmigaConfigRewriter(UAE, kOne, false, two).rewrite("diskimage0=old\n"),
              "diskimage0=A:\\1.ADF\r\nfloppy0=A:\\D1.ADF\r\ndiskimage1=A:\\2.ADF\r\n");
    // Without a list (a single disk) the template's own list is kept.
    EXPECT_EQ(rewrite(FS, "floppy_image_1 = old\n", kNone, false), "floppy_image_1 = old\n");
}
