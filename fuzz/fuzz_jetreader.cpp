// The legacy reader program, fed damaged Jet files through the programs' own call: whatever
// the file does to the Jet library, the caller gets an answer within the reader's limits,
// and an output it accepts passes the foreign-file check.
#include "database.h"
#include "legacyreader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace
{

// Kept to the end of the process: destroying Qt objects during exit races libFuzzer's exit.
QTemporaryDir *folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    folder = new QTemporaryDir;
    if (legacy::readerProgram().isEmpty())
        __builtin_trap(); // every input would be refused unread
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = folder->filePath(QStringLiteral("input.mdb"));
    const QString output = folder->filePath(QStringLiteral("output.sqlite"));
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    legacy::ReaderRun run;
    run.limits = {256 << 20, 2, 5, 16 << 20};
    QElapsedTimer clock;
    clock.start();
    const QString why = legacy::readJetFile(input, output, run).error();
    if (clock.elapsed() > (run.limits.wallSeconds + 2) * 1000)
        __builtin_trap(); // the caller was held beyond the reader's limits
    if (why.isEmpty() && !catalogue::checkForeignCatalogue(output).ok())
        __builtin_trap(); // a finished reader wrote something unfit
    if (!why.isEmpty() && QFile::exists(output))
        __builtin_trap(); // a refusal left a partial result behind
    QFile::remove(output);
    return 0;
}
