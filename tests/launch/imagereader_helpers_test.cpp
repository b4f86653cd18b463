// The readers' building blocks: type bytes, characters, name trimming, extensions.
#include "imagereader.h"

#include <gtest/gtest.h>

TEST(ImageReaderHelpers, Bits8IsMostSignificantFirst)
{
    EXPECT_EQ(bits8(0), QStringLiteral("00000000"));
    EXPECT_EQ(bits8(0xFF), QStringLiteral("11111111"));
    EXPECT_EQ(bits8(0xC2), QStringLiteral("11000010"));
    EXPECT_EQ(bits8(0x01), QStringLiteral("00000001"));
}

TEST(ImageReaderHelpers, FiletypeDecodesMarkersAndNames)
{
    const FileTypeText locked = filetype(QStringLiteral("11000010"));
    EXPECT_EQ(locked.lock, QStringLiteral("<"));
    EXPECT_TRUE(locked.splat.isEmpty());
    EXPECT_EQ(locked.name, QStringLiteral("PRG"));
    const FileTypeText open = filetype(QStringLiteral("00000001"));
    EXPECT_EQ(open.splat, QStringLiteral("*"));
    EXPECT_EQ(open.name, QStringLiteral("SEQ"));
    EXPECT_EQ(filetype(QStringLiteral("10000011")).name, QStringLiteral("USR"));
    EXPECT_EQ(filetype(QStringLiteral("10000100")).name, QStringLiteral("REL"));
    EXPECT_EQ(filetype(QStringLiteral("10000111")).name, QStringLiteral("???"));
    EXPECT_EQ(filetype(QStringLiteral("1")).name, QStringLiteral("???"));
}

TEST(ImageReaderHelpers, TypeTextForEveryByte)
{
    for (int b = 1; b < 256; ++b) {
        const QString t = typeText(quint8(b));
        QString expected = QString(b & 0x40 ? "<" : "") + QString(b & 0x80 ? "" : "*");
        const int kind = b & 7;
        expected +=
            kind < 5 ? QStringList{"DEL", "SEQ", "PRG", "USR", "REL"}[kind] : QStringLiteral("???");
        EXPECT_EQ(t, expected) << b;
    }
    EXPECT_EQ(typeText(0), QStringLiteral("SCR"));
}

TEST(ImageReaderHelpers, Windows1252Decoding)
{
    EXPECT_EQ(decode1252("ABC 123"), QStringLiteral("ABC 123"));
    const QString high = decode1252(QByteArray("\x80\x81\x8A\x9F\xA0\xE9\xFF"));
    ASSERT_EQ(high.size(), 7);
    EXPECT_EQ(high[0], QChar(0x20AC));
    EXPECT_EQ(high[1], QChar(0x81));
    EXPECT_EQ(high[2], QChar(0x160));
    EXPECT_EQ(high[3], QChar(0x178));
    EXPECT_EQ(high[4], QChar(0xA0));
    EXPECT_EQ(high[5], QChar(0xE9));
    EXPECT_EQ(high[6], QChar(0xFF));
    EXPECT_EQ(decode1252(QByteArray(3, '\0')).size(), 3);
}

TEST(ImageReaderHelpers, TrimNameCutsOnlyTheTrailingRun)
{
    EXPECT_EQ(trimName(QByteArray("AB\xA0"
                                  "CD\xA0\xA0\xA0"),
                       false),
              QStringLiteral("AB") + QChar(0xA0) + QStringLiteral("CD"));
    EXPECT_EQ(trimName(QByteArray("\xA0\xA0\xA0"), false), QString());
    EXPECT_EQ(trimName(QByteArray("ABCDEFGHIJKLMNOP"), false), QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(trimName(QByteArray("AB  "), false), QStringLiteral("AB  "));
    EXPECT_EQ(trimName(QByteArray("A B \xA0 "), true), QStringLiteral("A B"));
}

TEST(ImageReaderHelpers, ExtensionDispatchIsExactAndCaseSensitive)
{
    EXPECT_EQ(c64ImageKind(QStringLiteral("C:\\GAMES\\ELITE.D64")), C64ImageKind::D64);
    EXPECT_EQ(c64ImageKind(QStringLiteral("/g/elite.d64")), C64ImageKind::D64);
    EXPECT_EQ(c64ImageKind(QStringLiteral("/g/x.T64")), C64ImageKind::T64);
    EXPECT_EQ(c64ImageKind(QStringLiteral("/g/x.t64")), C64ImageKind::T64);
    EXPECT_EQ(c64ImageKind(QStringLiteral("\"/g/x.d64\"")), C64ImageKind::D64);
    for (const char *other :
         {"/g/x.D64x", "/g/x.d64 ", "/g/x.p00", "/g/x", "x.D6", "C:\\V1.2\\README", "/g/x.D64.zip"})
        EXPECT_EQ(c64ImageKind(QString::fromLatin1(other)), C64ImageKind::None) << other;
    EXPECT_EQ(c64Extension(QStringLiteral("C:\\V1.2\\README")), QStringLiteral(".2\\README"));
    EXPECT_EQ(c64Extension(QStringLiteral("README")), QString());
}

TEST(ImageReaderHelpers, UnquotePathNeedsBothMarks)
{
    EXPECT_EQ(unquotePath(QStringLiteral("\"a b\"")), QStringLiteral("a b"));
    EXPECT_EQ(unquotePath(QStringLiteral("\"\"")), QString());
    EXPECT_EQ(unquotePath(QStringLiteral("\"")), QStringLiteral("\""));
    EXPECT_EQ(unquotePath(QStringLiteral("\"abc")), QStringLiteral("\"abc"));
    EXPECT_EQ(unquotePath(QStringLiteral("abc\"")), QStringLiteral("abc\""));
}
