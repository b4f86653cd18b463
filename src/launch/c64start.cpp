#include "c64start.h"

#include "archiveimages.h"
#include "imagereader.h"
#include "launchcheck.h"
#include "runtimefolder.h"
#include "shortpath.h"
#include "vicefliplist.h"

#include <QCoreApplication>

namespace
{

// The disk an emulator gets: a plain file as it is, an archive's image taken out.
Result<QString> playableDisk(const QString &path, int entry, const QString &tempDir)
{
    if (!isArchiveFile(path))
        return path;
    return playablePath(path, entry, RuntimeFolder::forUser(tempDir));
}

// VICE's fliplist of a set of several disks goes before the image it starts with.
Outcome addFliplist(const C64StartRequest &request, const QString &firstDisk, Command &command)
{
    QStringList stored{unquotePath(request.gameFile)};
    QStringList disks{firstDisk};
    for (const QString &disk : request.moreDisks) {
        if (disk.isEmpty() || stored.contains(disk))
            continue;
        const Result<QString> playable = playableDisk(disk, -1, request.tempDir);
        if (!playable)
            return playable.failure();
        stored << disk;
        disks << *playable;
    }
    if (disks.size() < 2)
        return {};
    const Result<QString> list = writeViceFliplist(disks, RuntimeFolder::forUser(request.tempDir));
    if (!list)
        return list.failure();
    command.arguments = QStringList{QStringLiteral("-flipname"), *list} + command.arguments;
    return {};
}

} // namespace

QString c64BadConfigurationText(C64Emulator emulator)
{
    return QCoreApplication::translate("C64Start", "Bad Configuration for %1")
        .arg(c64EmulatorInfo(emulator).caption);
}

Result<Command> prepareC64Start(const C64StartRequest &request)
{
    if (request.executable.isEmpty())
        return Failure{c64BadConfigurationText(request.emulator)};
    if (Outcome program = checkProgram(request.executable); !program)
        return program.failure();
    QString file = unquotePath(request.gameFile);
    if (Outcome present = file.isEmpty() ? Outcome() : checkGameFile(file); !present)
        return present.failure();
    if (const Result<QString> playable = playableDisk(file, request.archiveEntry, request.tempDir);
        playable)
        file = *playable;
    else
        return playable.failure();
    C64CommandResult built = buildC64Command(request.emulator, request.executable, shortPath(file),
                                             request.entryIndex, request.entryText);
    switch (built.status) {
    case C64CommandResult::Status::Ok:
        break;
    case C64CommandResult::Status::Unsupported:
        return Failure{
            QCoreApplication::translate("C64Start", "File type not supported by emulator")};
    case C64CommandResult::Status::NotConfigured:
    case C64CommandResult::Status::NoImage:
        return Failure{c64BadConfigurationText(request.emulator)};
    }
    if (request.emulator == C64Emulator::Vice)
        if (const Outcome listed = addFliplist(request, file, built.command); !listed)
            return listed.failure();
    return built.command;
}
