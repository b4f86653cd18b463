#include "t64writer.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace sampledata;

namespace
{

int le16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

QByteArray program(quint16 load, int size)
{
    QByteArray p;
    p += char(load & 0xFF);
    p += char(load >> 8);
    for (int i = 0; i < size; ++i)
        p += char(i * 3);
    return p;
}

} // namespace

TEST(T64Writer, HeaderAndEntriesDescribeTheFiles)
{
    const QList<ImageFile> files = {{"FIRST", program(0x0801, 1000)},
                                    {"SECOND PROGRAM", program(0xC000, 10)}};
    const ImageResult r = writeT64("MY TAPE", files);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const QByteArray &t = r.bytes;
    EXPECT_EQ(t.left(32), QByteArray("C64S tape image file") + QByteArray(12, '\0'));
    EXPECT_EQ(le16(t, 0x20), 0x0101);
    EXPECT_EQ(le16(t, 0x22), 8);
    EXPECT_EQ(le16(t, 0x24), 2);
    EXPECT_EQ(t.mid(0x28, 24), QByteArray("MY TAPE") + QByteArray(17, ' '));
    ASSERT_EQ(t.size(), 0x40 + 8 * 32 + 1000 + 10);

    for (int i = 0; i < files.size(); ++i) {
        const int e = 0x40 + 32 * i;
        const QByteArray payload = files[i].data.mid(2);
        EXPECT_EQ(t[e], 1);
        EXPECT_EQ(quint8(t[e + 1]), 0x82);
        const int start = le16(t, e + 2);
        EXPECT_EQ(start, quint8(files[i].data[0]) | quint8(files[i].data[1]) << 8);
        EXPECT_EQ(le16(t, e + 4) - start, payload.size());
        const quint32 offset = qFromLittleEndian<quint32>(t.constData() + e + 8);
        EXPECT_EQ(t.mid(offset, payload.size()), payload);
        EXPECT_EQ(t.mid(e + 16, 16), files[i].name.leftJustified(16, ' '));
    }
    EXPECT_EQ(t.mid(0x40 + 2 * 32, 6 * 32), QByteArray(6 * 32, '\0')) << "unused slots are empty";
}

TEST(T64Writer, SlotCountIsAdjustable)
{
    const ImageResult wide = writeT64("T", {{"A", program(0x0801, 4)}}, 30);
    ASSERT_TRUE(wide.ok());
    EXPECT_EQ(le16(wide.bytes, 0x22), 30);
    EXPECT_EQ(qFromLittleEndian<quint32>(wide.bytes.constData() + 0x48), quint32(0x40 + 30 * 32));
    QList<ImageFile> ten;
    for (int i = 0; i < 10; ++i)
        ten.append({QByteArray("F") + QByteArray::number(i), program(0x1000, 1)});
    const ImageResult grown = writeT64("T", ten);
    ASSERT_TRUE(grown.ok());
    EXPECT_EQ(le16(grown.bytes, 0x22), 10);
}

TEST(T64Writer, RefusesBadInput)
{
    EXPECT_FALSE(writeT64("T", {{"NOLOAD", "x"}}).ok());
    EXPECT_FALSE(writeT64("T", {{"WRAPS", program(0xFFF0, 0x20)}}).ok());
    EXPECT_TRUE(writeT64("T", {{"ENDS", program(0xFFF0, 0x0F)}}).ok());
    EXPECT_FALSE(writeT64("T", {{"A", program(0x0801, 1)}, {"B", program(0x0801, 1)}}, 1).ok());
    EXPECT_FALSE(writeT64("A TAPE NAME OF MORE THAN 24", {}).ok());
    EXPECT_FALSE(writeT64("T", {{"SEVENTEEN LETTERS", program(0x0801, 1)}}).ok());
}
