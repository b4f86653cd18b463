#include "jetdatapage.h"

#include <QtEndian>

JetDataPage::JetDataPage() : m_bytes(kSize, '\0')
{
    m_bytes[0] = 0x01;
    m_bytes[1] = 0x01;
}

JetDataPage JetDataPage::forTable(quint32 owner)
{
    JetDataPage page;
    qToLittleEndian<quint32>(owner, page.m_bytes.data() + 4);
    return page;
}

JetDataPage JetDataPage::forLongValues()
{
    JetDataPage page;
    page.m_bytes.replace(4, 4, "LVAL");
    return page;
}

int JetDataPage::rows() const
{
    return qFromLittleEndian<quint16>(m_bytes.constData() + kRowCount);
}

int JetDataPage::room() const
{
    return m_top - (kRowCount + 2) - 2 * (rows() + 1);
}

int JetDataPage::add(const QByteArray &row)
{
    const int n = rows();
    if (row.size() > room() || n >= kMaxRows)
        return -1;
    m_top -= int(row.size());
    m_bytes.replace(m_top, row.size(), row);
    qToLittleEndian<quint16>(quint16(m_top), m_bytes.data() + kRowCount + 2 + 2 * n);
    qToLittleEndian<quint16>(quint16(n + 1), m_bytes.data() + kRowCount);
    qToLittleEndian<quint16>(quint16(room() + 2), m_bytes.data() + 2); // free space
    return n;
}
