// Where the Amiga templates are looked for, and the templates the project ships.
#include "amigaconfigwriter.h"
#include "amigatemplates.h"
#include "launchtest.h"
#include "shareddata.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

TEST(AmigaTemplates, TheFirstFolderHoldingATemplateOfTheFormatWins)
{
    QTemporaryDir root;
    const auto at = [&](const QString &name) { return root.filePath(name); };
    const AmigaTemplatePlaces places{at("home"), at("home/Documents"), at("home/.config"),
                                     at("share")};
    const QString fsUae = at("bin/fs-uae");
    const auto found = [&](AmigaProgram program, const QString &executable) {
        return findAmigaTemplateFolder(program, executable, places);
    };
    EXPECT_EQ(found(AmigaProgram::FsUae, fsUae), "");
    // Each step adds a folder that comes before the ones already there.
    using Step = std::pair<const char *, const char *>;
    for (const auto &[file, folder] :
         {Step{"share/templates/a.fs-uae", "share/templates"},
          Step{"home/FS-UAE/Configurations/b.fs-uae", "home/FS-UAE/Configurations"},
          Step{"home/Documents/FS-UAE/Configurations/c.fs-uae",
               "home/Documents/FS-UAE/Configurations"},
          Step{"base/Configurations/d.fs-uae", "base/Configurations"},
          Step{"bin/configurations/e.fs-uae", "bin/configurations"}}) {
        writeFile(at("home/.config/fs-uae/base-dir"), at("base").toUtf8() + "\n");
        writeFile(at(file));
        EXPECT_EQ(found(AmigaProgram::FsUae, fsUae), at(folder)) << file;
    }
    // Another format's templates do not count; a bare name has no folder of its own.
    writeFile(at("share/templates/a.uae"));
    EXPECT_EQ(found(AmigaProgram::Amiberry, at("bin/amiberry")), at("share/templates"));
    writeFile(at("home/.config/amiberry/conf/a.uae"));
    EXPECT_EQ(found(AmigaProgram::Amiberry, "amiberry"), at("home/.config/amiberry/conf"));
    writeFile(at("bin/conf/a.uae"));
    EXPECT_EQ(found(AmigaProgram::Amiberry, at("bin/amiberry")), at("bin/conf"));
    writeFile(at("bin/a.wfc"));
    EXPECT_EQ(found(AmigaProgram::WinFellow, at("bin/fellow")), at("bin"));
}

// Each shipped template takes three disks: every disk gets its drive line, and WinUAE's
// drive count covers them.
TEST(AmigaTemplates, ShippedTemplatesTakeEveryDisk)
{
    const QDir shipped(
        QDir(sharedDataFolder(QCoreApplication::applicationDirPath())).filePath("templates"));
    const AmigaDrives disks{"/d/one.adf", "/d/two.adf", "/d/three.adf", {}};
    using Case = std::tuple<const char *, AmigaFormat, QList<QByteArray>>;
    const QList<QByteArray> uae{"\nfloppy0=/d/one.adf\r", "\nfloppy1=/d/two.adf\r",
                                "\nfloppy2=/d/three.adf\r", "\nnr_floppies=3\r",
                                "\nfloppy2type=0\r"};
    const QList<QByteArray> fs{"\nfloppy_drive_0 = /d/one.adf\n", "\nfloppy_drive_1 = /d/two.adf\n",
                               "\nfloppy_drive_2 = /d/three.adf\n"};
    const QList<QByteArray> fellow{"\nfloppy0=/d/one.adf\r", "\nfloppy1=/d/two.adf\r",
                                   "\nfloppy2=/d/three.adf\r", "\nfloppy3=\r"};
    for (const auto &[name, format, lines] :
         {Case{"a500.uae", AmigaFormat::Uae, uae}, Case{"a1200.uae", AmigaFormat::Uae, uae},
          Case{"a500.fs-uae", AmigaFormat::FsUae, fs}, Case{"a1200.fs-uae", AmigaFormat::FsUae, fs},
          Case{"a500.wfc", AmigaFormat::Fellow, fellow},
          Case{"a1200.wfc", AmigaFormat::Fellow, fellow}}) {
        const QByteArray text = readFile(shipped.filePath(name));
        ASSERT_FALSE(text.isEmpty()) << name;
        const QByteArray out = AmigaConfigRewriter(format, disks, false).rewrite(text);
        for (const QByteArray &line : lines)
            EXPECT_TRUE(out.contains(line)) << name << " lacks " << line.trimmed().toStdString();
    }
}

// The WinUAE slot's program is known by its file name, from either system's paths.
TEST(AmigaTemplates, TheSlotsProgramIsNamedByItsFileName)
{
    using Case = std::tuple<AmigaEmulator, const char *, const char *, AmigaFormat>;
    for (const auto &[slot, path, name, format] :
         {Case{AmigaEmulator::WinUAE, "C:\\Emu\\FS-UAE.exe", "FS-UAE", AmigaFormat::FsUae},
          Case{AmigaEmulator::WinUAE, "/usr/bin/amiberry", "Amiberry", AmigaFormat::Uae},
          Case{AmigaEmulator::WinUAE, "/opt/fs-uae/winuae", "WinUAE", AmigaFormat::Uae},
          Case{AmigaEmulator::WinFellow, "/usr/bin/fs-uae", "WinFellow", AmigaFormat::Fellow}}) {
        EXPECT_EQ(amigaProgramName(amigaProgram(slot, path)), name) << path;
        EXPECT_EQ(amigaFormat(amigaProgram(slot, path)), format) << path;
    }
}
