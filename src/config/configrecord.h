#pragma once

#include <QMap>
#include <QSqlDatabase>
#include <QString>

#include <array>

enum class ChooserPurpose;

namespace configrecord
{

// One path of the configuration record as the configuration window shows it: the frame
// and label it sits under, and what the chooser picks for it.
struct Field {
    const char *column;
    ChooserPurpose purpose;
    const char *frame;
    const char *label;
    bool directory;
};

// The fourteen paths in window order.
const std::array<Field, 14> &fields();

// Column name -> text. Null and empty columns both come back as empty text.
using Values = QMap<QString, QString>;

// The fourteen paths of the first configuration row. An empty map, without error, when
// the table has no row; *error is set when the catalogue cannot be read.
Values load(const QSqlDatabase &db, QString *error);

// Writes the given paths into the first configuration row in one statement, inserting
// that row first when the table has none. Empty texts are stored as Null. Only the
// fourteen path columns are accepted; nothing is written when any key is another name.
bool store(const QSqlDatabase &db, const Values &values, QString *error);

// The program a configured path names, as its file name shows it (either separator, no
// Windows ".exe"); fallback when the path is empty.
QString programName(const QString &path, const QString &fallback);

} // namespace configrecord
