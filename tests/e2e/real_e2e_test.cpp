// The real programs that Debian offers: FS-UAE under an Xvfb of its own, and sidplayfp and
// xmp rendering to files, each started by `vantrel --play` / `--play-music` and each ended
// by its pid.
#include "adfwriter.h"
#include "cataloguestore.h"
#include "musicfiles.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <csignal>

namespace
{

// A process that ran to its end, or was never there, counts as gone; so does a zombie
// nobody reaps.
bool running(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readLine(); // /proc files report no size: readAll reads nothing
    const qsizetype close = text.lastIndexOf(')');
    return close > 0 && text.size() > close + 2 && text[close + 2] != 'Z';
}

// Ends a process of the test by its pid: asked first, then forced.
void endProcess(qint64 pid)
{
    if (pid <= 0 || !running(pid))
        return;
    ::kill(pid_t(pid), SIGTERM);
    if (!QTest::qWaitFor([pid] { return !running(pid); }, 5000))
        ::kill(pid_t(pid), SIGKILL);
}

// The pid a wrapper script wrote, once it is there.
qint64 pidFrom(const QString &file)
{
    const auto pid = [&file] { return readFile(file).trimmed().toLongLong(); };
    return QTest::qWaitFor([&] { return pid() > 0; }, 10000) ? pid() : 0;
}

// The seconds of a 16-bit PCM WAV file in which some sample is louder than a whisper.
int soundingSeconds(const QByteArray &wav)
{
    int channels = 0, rate = 0, sounding = 0;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (id == "fmt " && at + 16 <= wav.size()) {
            channels = qFromLittleEndian<quint16>(wav.constData() + at + 10);
            rate = int(qFromLittleEndian<quint32>(wav.constData() + at + 12));
        } else if (id == "data" && channels > 0 && rate > 0) {
            const qsizetype second = qsizetype(rate) * channels * 2;
            const qsizetype end = std::min(wav.size(), at + 8 + size);
            for (qsizetype s = at + 8; s + second <= end; s += second) {
                int loudest = 0;
                for (qsizetype i = s; i < s + second; i += 2)
                    loudest = std::max(
                        loudest, std::abs(int(qFromLittleEndian<qint16>(wav.constData() + i))));
                sounding += loudest > 1000 ? 1 : 0;
            }
            return sounding;
        }
        at += 8 + size + (size & 1);
    }
    return sounding;
}

class RealPrograms : public testing::Test
{
protected:
    QString at(const QString &name) const { return root.filePath(name); }

    // A wrapper that records its pid and runs the real program with the file it is given.
    // The output goes to a file: a pipe that vantrel's caller closes would end the program.
    QString wrapper(const QString &name, const QString &command)
    {
        const QString script = "#!/bin/sh\necho $$ > '" + at(name + ".pid") + "'\nexec " + command +
                               " > '" + at(name + ".log") + "' 2>&1\n";
        return writeFile(at("bin/" + name), script.toUtf8(), true);
    }

    // vantrel with the test's catalogue, home and temporary folder; its exit code.
    int vantrel(const QStringList &arguments, const QString &display = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", at("home"));
        env.insert("TMPDIR", at("tmp"));
        env.insert("XDG_RUNTIME_DIR", at("run"));
        env.insert("SDL_AUDIODRIVER", "dummy");
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        QDir().mkpath(at("tmp"));
        QDir().mkdir(at("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(VANTREL, QStringList{"--catalogue", catalogue.path()} + arguments);
        if (!process.waitForFinished(30000)) {
            endProcess(process.processId());
            return -1;
        }
        errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    QTemporaryDir root;
    TestCatalogue catalogue;
    QString errors;
};

// An X server of the test's own on a display it picks itself.
class OwnXvfb
{
public:
    OwnXvfb()
    {
        m_process.start("Xvfb",
                        {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
        if (m_process.waitForStarted(5000) && m_process.waitForReadyRead(10000))
            m_display = ":" + QString::fromLatin1(m_process.readLine().trimmed());
    }
    ~OwnXvfb() { endProcess(m_process.processId()); }
    QString display() const { return m_display; }

private:
    QProcess m_process;
    QString m_display;
};

} // namespace

// A six-disk set: the template has a line for DF0 only, DF1 to DF3 are added, and FS-UAE's
// log shows the drives and all six disks in its swap list.
TEST_F(RealPrograms, FsUaeStartsWithEveryDiskInItsSwapList)
{
    const OwnXvfb xvfb;
    ASSERT_FALSE(xvfb.display().isEmpty());
    QStringList disks;
    for (int n = 1; n <= 6; ++n)
        disks << writeFile(at(QString("games/Worlds %1.adf").arg(n)),
                           sampledata::writeAdf("WORLDS", {{"data", "x"}}).bytes);
    writeFile(at("bin/configurations/test.fs-uae"),
              ("[fs-uae]\nbase_dir = " + at("base") + "\nfloppy_drive_0 =\n").toUtf8());
    catalogue.setConfig({{"uae", wrapper("fs-uae-run", "fs-uae \"$@\"")}});
    const int id = catalogue.addGame({{"titolo", "Worlds"},
                                      {"formato", "Amiga 2.x"},
                                      {"emul1", disks[0]},
                                      {"df1", disks[1]},
                                      {"df2", disks[2]},
                                      {"df3", disks[3]}});
    ASSERT_TRUE(CatalogueStore(catalogue.db()).setMoreDisks(id, disks.mid(4)).ok());

    EXPECT_EQ(vantrel({"--play", QString::number(id)}, xvfb.display()), 0) << errors.toStdString();
    const qint64 pid = pidFrom(at("fs-uae-run.pid"));
    QByteArray log;
    const auto set = [&](const char *option, int n) -> QByteArray {
        return "set option \"" + QByteArray(option) + QByteArray::number(n) + "\" to \"" +
               disks[n].toUtf8() + '"';
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            log = readFile(at("base/Cache/Logs/fs-uae.log.txt"));
            return log.contains(set("diskimage", 5));
        },
        60000))
        << log.right(2000).toStdString();
    endProcess(pid);
    EXPECT_GT(pid, 0);
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(log.contains(set("floppy", n)), n < 4) << n;
        EXPECT_TRUE(log.contains(set("diskimage", n))) << n;
    }
    // The configuration lies in the user's private folder, none in the shared one.
    EXPECT_TRUE(readFile(at("run/vantrel/vantrel.fs-uae")).startsWith("[fs-uae]\n"));
    EXPECT_FALSE(QFileInfo::exists(at("tmp/vantrel.fs-uae")));
}

TEST_F(RealPrograms, SoundPlayersRenderTwoSecondsOfSound)
{
    const QString sid = writeFile(at("music/tune.sid"), sampledata::makePsid("T", "A", "R", 7));
    const QString mod = writeFile(at("music/tune.mod"), sampledata::makeMod("tune", 7));
    catalogue.setConfig(
        {{"player1", wrapper("sid", "sidplayfp -q -t3 '-w" + at("sid.wav") + "' \"$1\"")},
         {"player2",
          wrapper("mod", "xmp --norc -q -d wav -o '" + at("mod.wav") + "' -t 3 \"$1\"")}});
    const int c64 = catalogue.addGame({{"titolo", "Tune"}, {"formato", "C64"}, {"song", sid}});
    const int amiga = catalogue.addGame({{"titolo", "Tune"}, {"formato", "Amiga"}, {"song", mod}});

    using Case = std::tuple<int, const char *, const char *>;
    for (const auto &[id, with, name] : {Case{c64, "1", "sid"}, Case{amiga, "2", "mod"}}) {
        EXPECT_EQ(vantrel({"--play-music", QString::number(id), "--with", with}), 0)
            << errors.toStdString();
        const qint64 pid = pidFrom(at(QString(name) + ".pid"));
        if (!QTest::qWaitFor([pid] { return !running(pid); }, 30000))
            endProcess(pid);
        EXPECT_GT(pid, 0) << name;
        EXPECT_GE(soundingSeconds(readFile(at(QString(name) + ".wav"))), 2) << name;
    }
}
