#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One table of the catalogue as the output file defines it: its name and columns (id first).
struct TableShape {
    std::string name;
    std::vector<std::string> columns;
};

// One value of a row: Null, a whole number (Jet's byte, integer and long integer columns) or
// text of size bytes of UTF-8, valid until the next row is read.
struct JetValue {
    enum class Kind : unsigned char { Null, Integer, Text };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    const char *text = nullptr;
    std::size_t size = 0;
};

// Rows read so far of the games table, and the rows its header announces.
using RowProgress = std::function<void(std::int64_t done, std::int64_t total)>;

// A legacy Jet 3 or Jet 4 file opened through libmdb, read one known table at a time. Every
// failure is a message naming what is wrong with the file; nothing is half-read silently.
class JetCatalogue
{
public:
    // The longest value that is taken, in bytes of UTF-8; a longer one refuses the file.
    static constexpr std::size_t kValueLimit = 1000000;
    using RowSink = std::function<std::string(const std::vector<JetValue> &values)>;

    JetCatalogue();
    ~JetCatalogue();
    JetCatalogue(const JetCatalogue &) = delete;
    JetCatalogue &operator=(const JetCatalogue &) = delete;

    std::string open(const std::string &path);
    // The columns of wanted that its table has, in wanted's order; *found is false, and
    // present empty, when the file has no such table.
    std::string findColumns(const TableShape &wanted, TableShape *present, bool *found);
    // Hands every row of shape's table to sink with the shape's columns in order (empty text
    // as Null); sink returns an error to stop.
    std::string readTable(const TableShape &shape, const RowSink &sink,
                          const RowProgress &progress = {});

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
};
