#include "jetcatalogue.h"

#include "memolength.h"

#include <mdbtools.h>

#include <cstring>
#include <strings.h>

namespace
{

// Room for a value at the limit and more: the library cuts a longer value short at the end
// of the buffer, or up to three bytes before it where a character would not fit, so a cut
// value is always longer than the limit and is refused rather than taken truncated.
constexpr std::size_t kBindSize = JetCatalogue::kValueLimit + 8;
constexpr std::int64_t kProgressEvery = 1000;

struct TableCloser {
    void operator()(MdbTableDef *table) const { mdb_free_tabledef(table); }
};
using TablePtr = std::unique_ptr<MdbTableDef, TableCloser>;

// The 1-based number of the column named name (names in Jet are case-blind), or 0.
int columnNumber(MdbTableDef *table, const std::string &name)
{
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        if (strcasecmp(column->name, name.c_str()) == 0)
            return int(i) + 1;
    }
    return 0;
}

// The bound buffers of the shape's columns, one per column, in shape order.
struct Bindings {
    std::vector<std::vector<char>> buffers;
    std::vector<int> lengths;
    std::vector<const char *> values;
    std::vector<std::pair<std::size_t, const MdbColumn *>> memos; // shape index, column
};

std::string bindColumns(MdbTableDef *table, const TableShape &shape, Bindings &b)
{
    b.buffers.assign(shape.columns.size(), std::vector<char>());
    b.lengths.assign(shape.columns.size(), 0);
    b.values.assign(shape.columns.size(), nullptr);
    for (std::size_t i = 0; i < shape.columns.size(); ++i) {
        const int number = columnNumber(table, shape.columns[i]);
        if (number == 0)
            return "the table " + shape.name + " has no column " + shape.columns[i];
        const auto *column =
            static_cast<MdbColumn *>(g_ptr_array_index(table->columns, number - 1));
        if (column->col_type == MDB_MEMO)
            b.memos.emplace_back(i, column);
        b.buffers[i].assign(kBindSize, '\0');
        if (mdb_bind_column(table, number, b.buffers[i].data(), &b.lengths[i]) == -1)
            return "the column " + shape.columns[i] + " of " + shape.name + " cannot be read";
    }
    return {};
}

// The row's values, or an error when one was too long to be taken whole.
std::string collectValues(const TableShape &shape, Bindings &b, std::int64_t row)
{
    for (std::size_t i = 0; i < b.buffers.size(); ++i) {
        const std::size_t length = std::strlen(b.buffers[i].data());
        if (length > JetCatalogue::kValueLimit)
            return "the value of " + shape.columns[i] + " in row " + std::to_string(row) + " of " +
                   shape.name + " is longer than " + std::to_string(JetCatalogue::kValueLimit) +
                   " bytes";
        b.values[i] = length == 0 ? nullptr : b.buffers[i].data();
    }
    return {};
}

// A refusal for the first memo of the row that the library could not read whole.
std::string checkMemos(MdbHandle *mdb, const TableShape &shape, const Bindings &b, std::int64_t row)
{
    for (const auto &[index, column] : b.memos) {
        const MemoLength memo = measureMemo(mdb, *column);
        if (!memo.whole())
            return "the file is damaged: the " + shape.columns[index] + " of row " +
                   std::to_string(row) + " of " + shape.name + " holds " +
                   std::to_string(memo.stored) + " bytes, where its length is " +
                   std::to_string(memo.declared);
    }
    return {};
}

} // namespace

struct JetCatalogue::Handle {
    MdbHandle *mdb = nullptr;
    ~Handle()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

JetCatalogue::JetCatalogue() : m_handle(std::make_unique<Handle>()) {}

JetCatalogue::~JetCatalogue() = default;

std::string JetCatalogue::open(const std::string &path)
{
    m_handle->mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!m_handle->mdb)
        return "it is not a Jet database this reader understands";
    mdb_set_bind_size(m_handle->mdb, kBindSize);
    // The library's default is the C locale's "%x %X": a two-digit year, month first.
    mdb_set_date_fmt(m_handle->mdb, "%Y-%m-%d %H:%M:%S");
    if (!mdb_read_catalog(m_handle->mdb, MDB_TABLE))
        return "its list of tables cannot be read";
    return {};
}

std::string JetCatalogue::findColumns(const TableShape &wanted, TableShape *present, bool *found)
{
    present->name = wanted.name;
    present->columns.clear();
    std::string name = wanted.name;
    TablePtr table(mdb_read_table_by_name(m_handle->mdb, name.data(), MDB_TABLE));
    *found = bool(table);
    if (!table)
        return {};
    if (!mdb_read_columns(table.get()))
        return "the columns of " + wanted.name + " cannot be read";
    for (const std::string &column : wanted.columns)
        if (columnNumber(table.get(), column) != 0)
            present->columns.push_back(column);
    return {};
}

std::string JetCatalogue::readTable(const TableShape &shape, const RowSink &sink,
                                    const RowProgress &progress)
{
    std::string name = shape.name;
    TablePtr table(mdb_read_table_by_name(m_handle->mdb, name.data(), MDB_TABLE));
    if (!table)
        return "it has no table " + shape.name;
    if (!mdb_read_columns(table.get()))
        return "the columns of " + shape.name + " cannot be read";
    Bindings bindings;
    if (std::string why = bindColumns(table.get(), shape, bindings); !why.empty())
        return why;
    mdb_rewind_table(table.get());
    const std::int64_t total = table->num_rows;
    std::int64_t done = 0;
    while (mdb_fetch_row(table.get())) {
        ++done;
        std::string why = collectValues(shape, bindings, done);
        if (why.empty())
            why = checkMemos(m_handle->mdb, shape, bindings, done);
        if (!why.empty())
            return why;
        if (std::string refused = sink(bindings.values); !refused.empty())
            return refused;
        if (progress && done % kProgressEvery == 0)
            progress(done, total);
    }
    if (progress)
        progress(done, total);
    // The library skips what it cannot read without a word: a missing page, a damaged
    // page map or row list loses rows that the table's own count still holds.
    if (done != total)
        return "the file is damaged: " + std::to_string(done) + " rows of " + shape.name +
               " can be read, where it holds " + std::to_string(total);
    return {};
}
