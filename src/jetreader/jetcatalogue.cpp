#include "jetcatalogue.h"

#include "jettext.h"
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

// How a column's values are taken from the row libmdb has just read. Numbers, text and memos
// kept in the row come straight from the page: bound, libmdb would print each into a buffer
// of the bind size that it allocates, then print that into ours.
enum class Take { Number, Text, Memo, Bound };

struct ColumnReader {
    const MdbColumn *column = nullptr;
    Take take = Take::Bound;
    // Text and bound values; a whole buffer is never touched, so it stays unfaulted memory.
    std::unique_ptr<char[]> buffer;
};

Take takeFor(const MdbColumn &column)
{
    switch (column.col_type) {
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return Take::Number;
    case MDB_TEXT:
        return Take::Text;
    case MDB_MEMO:
        return Take::Memo;
    default:
        return Take::Bound;
    }
}

std::string bindColumns(MdbTableDef *table, const TableShape &shape,
                        std::vector<ColumnReader> &readers)
{
    readers.clear();
    readers.resize(shape.columns.size());
    for (std::size_t i = 0; i < shape.columns.size(); ++i) {
        const int number = columnNumber(table, shape.columns[i]);
        if (number == 0)
            return "the table " + shape.name + " has no column " + shape.columns[i];
        ColumnReader &reader = readers[i];
        reader.column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, number - 1));
        reader.take = takeFor(*reader.column);
        if (reader.take == Take::Number)
            continue;
        // One byte more for the conversion's closing zero; the first bytes zeroed, as an OLE
        // value, bound, gets its eight header bytes written and no zero.
        reader.buffer.reset(new char[kBindSize + 1]);
        std::memset(reader.buffer.get(), 0, 64);
        if (reader.take == Take::Bound &&
            mdb_bind_column(table, number, reader.buffer.get(), nullptr) == -1)
            return "the column " + shape.columns[i] + " of " + shape.name + " cannot be read";
    }
    return {};
}

// A number column's value in the current row, as libmdb would print it.
std::int64_t numberValue(MdbHandle *mdb, const MdbColumn &column)
{
    const int at = column.cur_value_start;
    switch (column.col_type) {
    case MDB_BYTE:
        return mdb_get_byte(mdb->pg_buf, at);
    case MDB_INT:
        return static_cast<short>(mdb_get_int16(mdb->pg_buf, at));
    default:
        return mdb_get_int32(mdb->pg_buf, at);
    }
}

// Puts the current value of the reader's text or memo column into its buffer.
void readText(MdbHandle *mdb, const ColumnReader &reader, std::size_t size)
{
    const int start = reader.column->cur_value_start;
    const unsigned char *value = mdb->pg_buf + start;
    char *text = reader.buffer.get();
    if (reader.take == Take::Text)
        return convertJetText(mdb, value, size, text, kBindSize);
    // A memo's header; its top bit says the value follows in the row.
    if (size >= MDB_MEMO_OVERHEAD && (value[3] & 0x80) != 0)
        return convertJetText(mdb, value + MDB_MEMO_OVERHEAD, size - MDB_MEMO_OVERHEAD, text,
                              kBindSize);
    // On pages of its own: libmdb gathers them, and would cut the copy as it binds it.
    char *gathered = mdb_col_to_string(mdb, mdb->pg_buf, start, MDB_MEMO, int(size));
    const std::size_t length = strnlen(gathered, kBindSize - 1);
    std::memcpy(text, gathered, length);
    text[length] = '\0';
    g_free(gathered);
}

// The row's values, or an error when one was too long to be taken whole.
std::string collectValues(MdbHandle *mdb, const TableShape &shape,
                          const std::vector<ColumnReader> &readers, std::vector<JetValue> &values,
                          std::int64_t row)
{
    values.assign(readers.size(), JetValue());
    for (std::size_t i = 0; i < readers.size(); ++i) {
        const ColumnReader &reader = readers[i];
        // libmdb leaves a Null value, or an empty one, without a length.
        const int size = reader.column->cur_value_len;
        if (reader.take != Take::Bound && size == 0)
            continue;
        if (reader.take == Take::Number) {
            values[i] = {JetValue::Kind::Integer, numberValue(mdb, *reader.column)};
            continue;
        }
        char *text = reader.buffer.get();
        if (reader.take != Take::Bound)
            readText(mdb, reader, std::size_t(size));
        const std::size_t length = std::strlen(text);
        if (length > JetCatalogue::kValueLimit)
            return "the value of " + shape.columns[i] + " in row " + std::to_string(row) + " of " +
                   shape.name + " is longer than " + std::to_string(JetCatalogue::kValueLimit) +
                   " bytes";
        if (length > 0)
            values[i] = {JetValue::Kind::Text, 0, text, length};
    }
    return {};
}

// A refusal for the first memo of the row that the library could not read whole.
std::string checkMemos(MdbHandle *mdb, const TableShape &shape,
                       const std::vector<ColumnReader> &readers, std::int64_t row)
{
    for (std::size_t i = 0; i < readers.size(); ++i) {
        if (readers[i].column->col_type != MDB_MEMO)
            continue;
        const MemoLength memo = measureMemo(mdb, *readers[i].column);
        if (!memo.whole())
            return "the file is damaged: the " + shape.columns[i] + " of row " +
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
    std::vector<ColumnReader> readers;
    if (std::string why = bindColumns(table.get(), shape, readers); !why.empty())
        return why;
    std::vector<JetValue> values;
    mdb_rewind_table(table.get());
    const std::int64_t total = table->num_rows;
    std::int64_t done = 0;
    while (mdb_fetch_row(table.get())) {
        ++done;
        std::string why = collectValues(m_handle->mdb, shape, readers, values, done);
        if (why.empty())
            why = checkMemos(m_handle->mdb, shape, readers, done);
        if (!why.empty())
            return why;
        if (std::string refused = sink(values); !refused.empty())
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
