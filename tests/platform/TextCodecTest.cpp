#include "platform/TextCodec.h"

#include "support/Cp932.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace {

const QString kReplacement(QChar(0xFFFD));

// Asks iconv directly whether it knows a two-byte code, independently of TextCodec.
bool IconvAccepts(const std::string& code)
{
    static iconv_t cd = iconv_open("UTF-32LE", "CP932");
    std::string in = code;
    char out[16];
    char* inPtr = in.data();
    char* outPtr = out;
    std::size_t inLeft = in.size();
    std::size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
}

std::string Bytes(std::initializer_list<int> values)
{
    return std::string(values.begin(), values.end());
}

}  // namespace

TEST(TextCodecTest, EveryDoubleByteCodeSurvivesTheUi)
{
    int accepted = 0;
    for (int lead = 0x81; lead <= 0xFC; lead = lead == 0x9F ? 0xE0 : lead + 1) {
        for (int trail = 0x40; trail <= 0xFC; trail = trail == 0x7E ? 0x80 : trail + 1) {
            const std::string bytes = Bytes({lead, trail});
            const QString shown = TextCodec::ToUi(bytes);
            SCOPED_TRACE(::testing::Message() << std::hex << lead << trail);
            if (!IconvAccepts(bytes)) {
                EXPECT_TRUE(shown.contains(kReplacement));
                continue;
            }
            ++accepted;
            std::string back = "unchanged";
            ASSERT_TRUE(TextCodec::FromUi(shown, &back));
            ASSERT_EQ(back, bytes);
        }
    }
    EXPECT_GT(accepted, 7000);
}

TEST(TextCodecTest, SingleBytesTextsLookAlikesAndDuplicateCodesConvertAsShown)
{
    // NEC row 13 "≒" and its JIS code; an IBM kanji in its NEC-selected and IBM places. The round trip of every
    // code above keeps them apart; they look alike, and UTF-8 has only the one character.
    const std::pair<std::string, std::string> duplicates[] = {
        {"\x87\x90", "\x81\xE0"}, {"\xED\x40", "\xFA\x5C"}, {"\xFA\x54", "\x81\xCA"}, {"\xEE\xF9", "\x81\xCA"}};
    for (const auto& [alternate, canonical] : duplicates) {
        EXPECT_TRUE(TextCodec::ToUi(alternate).startsWith(TextCodec::ToUi(canonical)));
        EXPECT_EQ(TextCodec::ToUtf8(alternate), TextCodec::ToUtf8(canonical));
    }

    // ASCII, then the half-width katakana from U+FF61.
    for (int byte = 0x00; byte <= 0xDF; byte = byte == 0x7F ? 0xA1 : byte + 1) {
        const QString shown = TextCodec::ToUi(Bytes({byte}));
        ASSERT_EQ(shown, QString(QChar(byte < 0x80 ? byte : 0xFF61 + byte - 0xA1)));
        EXPECT_EQ(Cp932(shown), Bytes({byte}));
    }
    // Both tildes and both double bars that input methods produce are the same code.
    const std::pair<QString, std::string> texts[] = {
        {QString::fromUtf8("標準"), "\x95\x57\x8F\x80"}, {QString(QChar(0x301C)), "\x81\x60"},
        {QString(QChar(0xFF5E)), "\x81\x60"}, {QString(QChar(0x2016)), "\x81\x61"}, {QString(QChar(0x2212)), "\x81\x7C"}};
    for (const auto& [text, bytes] : texts)
        EXPECT_EQ(Cp932(text), bytes) << text.toStdString();
    EXPECT_EQ(TextCodec::ToUi(texts[0].second), texts[0].first);
    std::string bytes;
    ASSERT_TRUE(TextCodec::FromUtf8("盤面\\表示.bmp", &bytes));
    EXPECT_EQ(bytes, "\x94\xD5\x96\xCA\\\x95\x5C\x8E\xA6.bmp");
    EXPECT_EQ(TextCodec::ToUtf8(bytes), "盤面\\表示.bmp");
}

TEST(TextCodecTest, InvalidBytesShowAsReplacementAndCharactersOutsideTheCodePageAreRefused)
{
    const QString r(kReplacement);
    // A lead byte before an ASCII byte: the ASCII byte is kept.
    const std::pair<std::string, QString> cases[] = {
        {"abc\x82", "abc" + r}, {"\x81 x", r + " x"}, {"\x85\x40", r + "@"}, {"\x81\xFF" "A", r + "A"}};
    for (const auto& [bytes, shown] : cases)
        EXPECT_EQ(TextCodec::ToUi(bytes), shown);
    for (int byte : {0x80, 0xA0, 0xFD, 0xFE, 0xFF}) {
        const std::string bytes = Bytes({'a', byte, 0x82, 0xA0, 'b'});
        EXPECT_EQ(TextCodec::ToUi(bytes), "a" + r + QString::fromUtf8("あb")) << byte;
        EXPECT_EQ(TextCodec::ToUtf8(bytes), "a\xEF\xBF\xBD" "あb") << byte;
    }

    // The last two: a selector typed alone, or after a character that has no second code.
    const QString refused[] = {QString::fromUtf8("顔😀"), QString::fromUtf8("가"), QString::fromUtf8("café"),
                               QString(QChar(0xD800)),   QString("ok") + QChar(0xDC00), kReplacement,
                               QString::fromUcs4(U"\U000E01EF"), QString::fromUcs4(U"a\U000E01EF")};
    std::string bytes = "unchanged";
    for (const QString& text : refused)
        EXPECT_FALSE(TextCodec::FromUi(text, &bytes)) << text.toStdString();
    EXPECT_FALSE(TextCodec::FromUtf8("bad\xFFutf8", &bytes));
    EXPECT_FALSE(TextCodec::FromUtf8("😀.bmp", &bytes));
    EXPECT_EQ(bytes, "unchanged");
}

TEST(TextCodecTest, CutToFieldNeverSplitsACharacter)
{
    // 表 ends in a backslash, so "表表" read from its middle looks like "\\" + lead byte: a cut must walk
    // from the start. A half-width kana is one byte.
    const std::string hyo = "\x95\x5C";
    std::string longName;
    for (int i = 0; i < 200; ++i)
        longName += i % 4 == 0 ? std::string(i % 8 == 0 ? "x" : "\xB1") : hyo;
    for (std::size_t limit = 0; limit <= longName.size(); ++limit) {
        const std::string cut = TextCodec::CutToField(longName, limit);
        ASSERT_LE(cut.size(), limit);
        ASSERT_GE(cut.size() + 1, limit);
        ASSERT_EQ(longName.compare(0, cut.size(), cut), 0);
        ASSERT_FALSE(TextCodec::ToUi(cut).contains(kReplacement)) << limit;
    }
}
