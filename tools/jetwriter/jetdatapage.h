#pragma once

#include <QByteArray>

// A Jet 4 page of rows: data rows of a table, long values ("LVAL") or page maps. Rows fill
// the page downwards from its end; a table of their offsets grows upwards from byte 14.
class JetDataPage
{
public:
    static constexpr int kSize = 4096;
    static constexpr int kRowCount = 12;
    static constexpr int kMaxRows = 255; // a row address keeps its number in one byte

    // A data page of the table defined on page owner.
    static JetDataPage forTable(quint32 owner);
    static JetDataPage forLongValues();

    // The new row's number, or -1 where it does not fit.
    int add(const QByteArray &row);
    int rows() const;
    int room() const;
    const QByteArray &bytes() const { return m_bytes; }

private:
    JetDataPage();

    QByteArray m_bytes;
    int m_top = kSize; // where the lowest row begins
};
