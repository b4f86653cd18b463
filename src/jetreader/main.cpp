// vantrel-jet-reader: copies the catalogue tables of a legacy Jet file into a new SQLite file,
// or with --tables LIST (see tablelist.h) the named columns of the named tables, each as a
// table of its own; tables and columns the file lacks are left out, the rest ignored.
//
// The programs run it under limits and never load the Jet library themselves. It talks to
// them on standard output only, one line at a time:
//   progress DONE TOTAL     rows of the games (or first named) table read so far, and announced
//   done ROWS               the output is complete
//   error MESSAGE           the file is refused; the output is removed
// Anything the library prints, on either stream, goes to standard error, which the programs
// discard: the channel is a descriptor of its own.
#include "catalogueoutput.h"
#include "jetcatalogue.h"
#include "tablelist.h"
#include "tableoutput.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sqlite3.h>
#include <string>
#include <unistd.h>

namespace
{

// Descriptors a caller forgot to close are none of the reader's business.
void closeInheritedDescriptors()
{
#if defined(__linux__) && defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 34)
    close_range(3, ~0U, 0);
#else
    for (long fd = 3, last = sysconf(_SC_OPEN_MAX); fd < last; ++fd)
        close(int(fd));
#endif
}

std::FILE *channel = nullptr;

// Moves the channel off standard output, where the library may print too.
bool openChannel()
{
    const int fd = dup(STDOUT_FILENO);
    channel = fd < 0 ? nullptr : fdopen(fd, "w");
    return channel && dup2(STDERR_FILENO, STDOUT_FILENO) >= 0;
}

void report(const std::string &line)
{
    std::fputs((line + '\n').c_str(), channel);
    std::fflush(channel);
}

// Makes the output file, which must not exist: the reader never writes into, nor removes,
// a file it did not make.
std::string createOutput(const std::string &output)
{
    const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return output + (errno == EEXIST ? " exists already" : " cannot be made");
    close(fd);
    return {};
}

std::string copyCatalogue(const std::string &jetFile, const std::string &output,
                          std::int64_t *games)
{
    JetCatalogue jet;
    if (std::string why = jet.open(jetFile); !why.empty())
        return why;
    CatalogueOutput out;
    if (std::string why = out.create(output); !why.empty())
        return why;
    for (const char *table : {"tabella1", "tabella2"}) {
        TableShape shape;
        std::string why = out.shape(table, &shape);
        if (why.empty())
            why = out.beginTable(shape);
        const bool isGames = shape.name == "tabella1";
        auto progress = [isGames, games](std::int64_t done, std::int64_t total) {
            if (!isGames)
                return;
            *games = done;
            report("progress " + std::to_string(done) + ' ' + std::to_string(total));
        };
        auto sink = [&out](const std::vector<JetValue> &values) { return out.insert(values); };
        if (why.empty())
            why = jet.readTable(shape, sink, progress);
        if (!why.empty())
            return why;
    }
    return out.commit();
}

// Reports the progress of the first table only: it is the one that is large.
RowProgress firstTableProgress(bool first, std::int64_t *rows)
{
    return [first, rows](std::int64_t done, std::int64_t total) {
        if (!first)
            return;
        *rows = done;
        report("progress " + std::to_string(done) + ' ' + std::to_string(total));
    };
}

std::string copyTables(const std::vector<TableShape> &wanted, const std::string &jetFile,
                       const std::string &output, std::int64_t *rows)
{
    JetCatalogue jet;
    if (std::string why = jet.open(jetFile); !why.empty())
        return why;
    TableOutput out;
    if (std::string why = out.create(output); !why.empty())
        return why;
    for (const TableShape &shape : wanted) {
        TableShape present;
        bool found = false;
        std::string why = jet.findColumns(shape, &present, &found);
        if (why.empty() && (!found || present.columns.empty()))
            continue;
        if (why.empty())
            why = out.beginTable(present.name, present.columns);
        auto sink = [&out](const std::vector<JetValue> &values) { return out.insert(values); };
        if (why.empty())
            why = jet.readTable(present, sink, firstTableProgress(&shape == &wanted.front(), rows));
        if (why.empty())
            why = out.endTable();
        if (!why.empty())
            return why;
    }
    return out.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    const bool named = argc == 5 && std::string(argv[1]) == "--tables";
    const std::vector<TableShape> wanted =
        named ? parseTableList(argv[2]) : std::vector<TableShape>();
    if (argc != 3 && wanted.empty()) {
        std::fputs("usage: vantrel-jet-reader [--tables LIST] JETFILE OUTPUT\n", stderr);
        return 2;
    }
    const std::string jetFile = argv[argc - 2], output = argv[argc - 1];
    closeInheritedDescriptors();
    // One thread: SQLite need not lock, nor count its memory.
    sqlite3_config(SQLITE_CONFIG_SINGLETHREAD);
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    if (!openChannel())
        return 2;
    // Jet 3 keeps text in the Windows code page of western Europe; the output is UTF-8.
    setenv("MDB_JET3_CHARSET", "CP1252", 1);
    setenv("MDB_ICONV", "UTF-8", 1);
    std::int64_t games = 0;
    std::string why = createOutput(output);
    if (why.empty()) {
        why = named ? copyTables(wanted, jetFile, output, &games)
                    : copyCatalogue(jetFile, output, &games);
        if (!why.empty())
            unlink(output.c_str());
    }
    if (!why.empty()) {
        report("error " + why);
        return 1;
    }
    report("done " + std::to_string(games));
    return 0;
}
