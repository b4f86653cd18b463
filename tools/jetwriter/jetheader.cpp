#include "jetheader.h"

#include "jetdatapage.h"

#include <QtEndian>

#include <array>

namespace
{

constexpr int kMaskedStart = 0x18;
constexpr int kMaskedLength = 128;

// Jet 4 masks part of its header with RC4 under a fixed key, which readers undo first.
QByteArray rc4(const QByteArray &key, int length)
{
    std::array<quint8, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[size_t(i)] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[size_t(i)] + quint8(key[i % key.size()])) & 0xff;
        std::swap(s[size_t(i)], s[size_t(j)]);
    }
    QByteArray stream(length, '\0');
    for (int n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xff;
        j = (j + s[size_t(i)]) & 0xff;
        std::swap(s[size_t(i)], s[size_t(j)]);
        stream[n] = char(s[size_t((s[size_t(i)] + s[size_t(j)]) & 0xff)]);
    }
    return stream;
}

} // namespace

QByteArray jetHeaderPage()
{
    QByteArray page(JetDataPage::kSize, '\0');
    page[1] = 1;
    page.replace(4, 16, QByteArray("Standard Jet DB", 16));
    qToLittleEndian<quint32>(1, page.data() + 0x14); // Jet 4
    qToLittleEndian<quint16>(1252, page.data() + 0x3c);
    qToLittleEndian<quint32>(0, page.data() + 0x3e); // not encrypted
    qToLittleEndian<quint16>(0x0409, page.data() + 0x6e);
    const QByteArray mask = rc4(QByteArray("\xc7\xda\x39\x6b", 4), kMaskedLength);
    for (int i = 0; i < kMaskedLength; ++i)
        page[kMaskedStart + i] = char(page[kMaskedStart + i] ^ mask[i]);
    return page;
}
