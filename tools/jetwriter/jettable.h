#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// The Jet 4 column types the writer knows, by their type byte.
enum class JetType : quint8 {
    Boolean = 0x01,
    Integer = 0x03,
    Long = 0x04,
    DateTime = 0x08,
    Text = 0x0a,
    Ole = 0x0b,
    Memo = 0x0c,
};

struct JetColumn {
    QString name;
    JetType type = JetType::Long;
};

// A table to write: values in column order, a null QVariant for Null; Long and Integer as
// int, Text and Memo as QString, Boolean as bool, DateTime as QDateTime.
struct JetTable {
    QString name;
    QList<JetColumn> columns;
    QList<QVariantList> rows;
};
