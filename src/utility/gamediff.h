#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace merrow
{

// One line of the difference list; exportId is the export game it belongs to.
struct DiffLine {
    QString text;
    qint64 exportId = 0;
};

struct GameDiff {
    bool found = false; // the export game exists in the export file
    bool isNew = false; // no local game with its title and format
    QList<DiffLine> lines;
    QString error; // set when a query failed
};

// The 14 compared fields with their 11-character labels, in the order they are shown.
struct ComparedField {
    const char *column;
    const char *label;
};
const QList<ComparedField> &comparedFields();

// "label: local -> export", with Null or empty values written as "EMPTY"; no line when
// both sides read the same.
QString diffLine(const QString &label, const QVariant &local, const QVariant &exported,
                 bool *differs);

// Compares the export game exportId with the local game of the same title and format
// (letter case aside; the first one when several match).
GameDiff compareGame(const QSqlDatabase &local, const QSqlDatabase &exportDb, qint64 exportId);

} // namespace merrow
