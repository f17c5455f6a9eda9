#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace {

const QChar kReplacement(0xFFFD);

// Asks iconv directly whether it knows a two-byte code, independently of TextCodec.
bool IconvAccepts(unsigned char lead, unsigned char trail)
{
    static iconv_t cd = iconv_open("UTF-32LE", "CP932");
    char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    char out[16];
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 2;
    std::size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

std::string Cp932(const QString& text)
{
    std::string bytes;
    EXPECT_TRUE(TextCodec::FromUi(text, &bytes)) << text.toStdString();
    return bytes;
}

}  // namespace

TEST(TextCodecTest, EveryDoubleByteCodeSurvivesTheUi)
{
    int accepted = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string bytes = Bytes({lead, trail});
            const QString shown = TextCodec::ToUi(bytes);
            if (!IconvAccepts(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail))) {
                EXPECT_TRUE(shown.contains(kReplacement)) << std::hex << lead << trail;
                continue;
            }
            ++accepted;
            ASSERT_FALSE(shown.contains(kReplacement)) << std::hex << lead << trail;
            std::string back = "unchanged";
            ASSERT_TRUE(TextCodec::FromUi(shown, &back)) << std::hex << lead << trail;
            ASSERT_EQ(back, bytes) << std::hex << lead << trail;
        }
    }
    EXPECT_GT(accepted, 7000);
}

TEST(TextCodecTest, DuplicateCodesShowTheSameCharacter)
{
    // NEC row 13 "≒" and its JIS code; an IBM kanji in its NEC-selected and IBM places.
    const std::pair<std::string, std::string> duplicates[] = {
        {Bytes({0x87, 0x90}), Bytes({0x81, 0xE0})},
        {Bytes({0xED, 0x40}), Bytes({0xFA, 0x5C})},
        {Bytes({0xFA, 0x54}), Bytes({0x81, 0xCA})},
        {Bytes({0xEE, 0xF9}), Bytes({0x81, 0xCA})},
    };
    for (const auto& [alternate, canonical] : duplicates) {
        const QString shownAlternate = TextCodec::ToUi(alternate);
        const QString shownCanonical = TextCodec::ToUi(canonical);
        EXPECT_NE(shownAlternate, shownCanonical);
        EXPECT_TRUE(shownAlternate.startsWith(shownCanonical));
        EXPECT_EQ(TextCodec::ToUtf8(alternate), TextCodec::ToUtf8(canonical));
    }
    EXPECT_EQ(Cp932(QString::fromUtf8("≒")), Bytes({0x81, 0xE0}));
    // A selector typed alone, or after a character that has no second code, is refused.
    std::string bytes = "unchanged";
    EXPECT_FALSE(TextCodec::FromUi(QString::fromUcs4(U"\U000E01EF"), &bytes));
    EXPECT_FALSE(TextCodec::FromUi(QString::fromUcs4(U"a\U000E01EF"), &bytes));
    EXPECT_EQ(bytes, "unchanged");
}

TEST(TextCodecTest, SingleBytesJapaneseTextsAndLookAlikes)
{
    // ASCII, then the half-width katakana from U+FF61.
    for (int byte = 0x00; byte <= 0xDF; byte = byte == 0x7F ? 0xA1 : byte + 1) {
        const QString shown = TextCodec::ToUi(Bytes({byte}));
        ASSERT_EQ(shown, QString(QChar(byte < 0x80 ? byte : 0xFF61 + byte - 0xA1)));
        EXPECT_EQ(Cp932(shown), Bytes({byte}));
    }
    // Both tildes and both double bars that input methods produce are the same code.
    const std::pair<QString, std::string> texts[] = {
        {QString::fromUtf8("標準"), Bytes({0x95, 0x57, 0x8F, 0x80})}, {QString(QChar(0x301C)), Bytes({0x81, 0x60})},
        {QString(QChar(0xFF5E)), Bytes({0x81, 0x60})}, {QString(QChar(0x2016)), Bytes({0x81, 0x61})},
        {QString(QChar(0x2212)), Bytes({0x81, 0x7C})}};
    for (const auto& [text, bytes] : texts)
        EXPECT_EQ(Cp932(text), bytes) << text.toStdString();
    EXPECT_EQ(TextCodec::ToUi(texts[0].second), texts[0].first);
    std::string bytes;
    ASSERT_TRUE(TextCodec::FromUtf8("盤面\\表示.bmp", &bytes));
    EXPECT_EQ(bytes, Bytes({0x94, 0xD5, 0x96, 0xCA, 0x5C, 0x95, 0x5C, 0x8E, 0xA6}) + ".bmp");
    EXPECT_EQ(TextCodec::ToUtf8(bytes), "盤面\\表示.bmp");
}

TEST(TextCodecTest, InvalidBytesShowAsReplacementAndConversionGoesOn)
{
    const QString r(kReplacement);
    EXPECT_EQ(TextCodec::ToUi("abc" + Bytes({0x82})), "abc" + r);
    EXPECT_EQ(TextCodec::ToUi(Bytes({0x82})), r);
    // A lead byte before an ASCII byte: the ASCII byte is kept.
    EXPECT_EQ(TextCodec::ToUi(Bytes({0x81, 0x20}) + "x"), r + " x");
    EXPECT_EQ(TextCodec::ToUi(Bytes({0x85, 0x40})), r + "@");
    EXPECT_EQ(TextCodec::ToUi(Bytes({0x81, 0xFF, 0x41})), r + "A");
    for (int byte : {0x80, 0xA0, 0xFD, 0xFE, 0xFF}) {
        const std::string bytes = Bytes({'a', byte, 0x82, 0xA0, 'b'});
        EXPECT_EQ(TextCodec::ToUi(bytes), "a" + r + QString::fromUtf8("あb")) << byte;
        EXPECT_EQ(TextCodec::ToUtf8(bytes), "a\xEF\xBF\xBD" "あb") << byte;
    }
    // A text with a bad byte cannot be written back as if nothing were lost.
    std::string back = "unchanged";
    EXPECT_FALSE(TextCodec::FromUi(TextCodec::ToUi(Bytes({0x80})), &back));
    EXPECT_EQ(back, "unchanged");
}

TEST(TextCodecTest, RefusesCharactersOutsideTheCodePage)
{
    const QString refused[] = {
        QString::fromUtf8("顔😀"),
        QString::fromUtf8("가"),
        QString::fromUtf8("café"),
        QString(QChar(0xD800)),
        QString("ok") + QChar(0xDC00),
        QString(kReplacement),
    };
    for (const QString& text : refused) {
        std::string bytes = "unchanged";
        EXPECT_FALSE(TextCodec::FromUi(text, &bytes)) << text.toStdString();
        EXPECT_EQ(bytes, "unchanged");
    }
    std::string bytes = "unchanged";
    EXPECT_FALSE(TextCodec::FromUtf8("bad\xFFutf8", &bytes));
    EXPECT_FALSE(TextCodec::FromUtf8("😀.bmp", &bytes));
    EXPECT_EQ(bytes, "unchanged");
}

TEST(TextCodecTest, CutToFieldNeverSplitsACharacter)
{
    const std::string hyo = Bytes({0x95, 0x5C});  // 表: its second byte is a backslash
    const std::string text = "a" + hyo + Bytes({0xB1}) + hyo + "b";
    EXPECT_EQ(TextCodec::CutToField(text, 2), "a");
    EXPECT_EQ(TextCodec::CutToField(text, 4), "a" + hyo + Bytes({0xB1})) << "a half-width kana is one byte";
    EXPECT_EQ(TextCodec::CutToField(text, 300), text);

    // Walking from the start matters: "表表" read from its middle looks like "\\" + lead byte.
    const std::string pairs = hyo + hyo + hyo;
    EXPECT_EQ(TextCodec::CutToField(pairs, 5), hyo + hyo);

    std::string longName;
    for (int i = 0; i < 200; ++i)
        longName += i % 3 == 0 ? std::string("x") : hyo;
    for (std::size_t limit = 0; limit <= longName.size(); ++limit) {
        const std::string cut = TextCodec::CutToField(longName, limit);
        ASSERT_LE(cut.size(), limit);
        ASSERT_GE(cut.size() + 1, limit);
        ASSERT_EQ(longName.compare(0, cut.size(), cut), 0);
        ASSERT_FALSE(TextCodec::ToUi(cut).contains(kReplacement)) << limit;
    }
}
