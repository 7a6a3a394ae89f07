#include "core/text/ShortString.h"

#include <gtest/gtest.h>

using namespace belvane;

TEST(Windows1252Test, PortugueseLettersAreSingleBytes)
{
    const QByteArray bytes = toWindows1252(u"Ação é ó ç ã Õ €");
    EXPECT_EQ(bytes, QByteArray("A\xE7\xE3o \xE9 \xF3 \xE7 \xE3 \xD5 \x80"));
    EXPECT_EQ(fromWindows1252(bytes.constData(), int(bytes.size())), QStringLiteral("Ação é ó ç ã Õ €"));
}

TEST(Windows1252Test, UnrepresentableCharactersBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(toWindows1252(u"a\u4E2Db"), QByteArray("a?b"));
    // An emoji is two UTF-16 units but one character: one '?'.
    EXPECT_EQ(toWindows1252(QStringLiteral("x🛈y")), QByteArray("x?y"));
}

TEST(Windows1252Test, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(toWindows1252(fromWindows1252(all.constData(), int(all.size()))), all);
}

TEST(ShortStringTest, CutsToCapacityAndKeepsStaleBytes)
{
    ShortString<5> s;
    std::memcpy(s.chars, "ZZZZZ", 5);
    s.assign(u"ab");
    EXPECT_EQ(s.length, 2);
    EXPECT_EQ(s.toQString(), QStringLiteral("ab"));
    EXPECT_EQ(QByteArray(s.chars, 5), QByteArray("abZZZ"));   // bytes after the length untouched
    s.assign(u"abcdefgh");
    EXPECT_EQ(s.toQString(), QStringLiteral("abcde"));
    s.clear();
    EXPECT_TRUE(s.isEmpty());
    EXPECT_EQ(QByteArray(s.chars, 5), QByteArray("abcde"));
}

TEST(ShortStringTest, DamagedLengthIsReadAsCapacity)
{
    ShortString<3> s;
    std::memcpy(s.chars, "abc", 3);
    s.length = 200;
    EXPECT_EQ(s.toQString(), QStringLiteral("abc"));
}
