#include "platform/TextCodec.h"

#include <QList>

#include <iconv.h>

#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// The last two ideographic variation selectors: no registered sequence uses
// them, so the base character is drawn as it is.
constexpr char32_t kSelectors[] = {0xE01EF, 0xE01EE};
constexpr int kSelectorCount = 2;

iconv_t Decoder()
{
    static iconv_t cd = iconv_open("UTF-32LE", "CP932");
    return cd;
}

iconv_t Encoder()
{
    static iconv_t cd = iconv_open("CP932", "UTF-32LE");
    return cd;
}

bool Usable(iconv_t cd)
{
    return cd != reinterpret_cast<iconv_t>(-1);
}

// One whole character of 1 or 2 bytes.
bool DecodeOne(const unsigned char* bytes, std::size_t count, char32_t* cp)
{
    iconv_t cd = Decoder();
    if (!Usable(cd))
        return false;
    char in[2] = {static_cast<char>(bytes[0]), count > 1 ? static_cast<char>(bytes[1]) : '\0'};
    unsigned char out[8];
    char* inPtr = in;
    std::size_t inLeft = count;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0 ||
        sizeof out - outLeft != 4)
        return false;
    *cp = static_cast<char32_t>(out[0]) | static_cast<char32_t>(out[1]) << 8 |
          static_cast<char32_t>(out[2]) << 16 | static_cast<char32_t>(out[3]) << 24;
    return true;
}

bool EncodeOne(char32_t cp, std::string* out)
{
    iconv_t cd = Encoder();
    if (!Usable(cd))
        return false;
    char in[4] = {static_cast<char>(cp & 0xFF), static_cast<char>((cp >> 8) & 0xFF),
                  static_cast<char>((cp >> 16) & 0xFF), static_cast<char>((cp >> 24) & 0xFF)};
    char bytes[8];
    char* inPtr = in;
    std::size_t inLeft = sizeof in;
    char* outPtr = bytes;
    std::size_t outLeft = sizeof bytes;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return false;
    out->append(bytes, sizeof bytes - outLeft);
    return true;
}

bool IsSelector(char32_t cp)
{
    for (char32_t selector : kSelectors) {
        if (cp == selector)
            return true;
    }
    return false;
}

int SelectorIndex(char32_t cp)
{
    for (int i = 0; i < kSelectorCount; ++i) {
        if (kSelectors[i] == cp)
            return i;
    }
    return -1;
}

// The codes that converting their character back would not give again, found
// once by asking iconv about every double-byte code.
struct Alternates {
    std::unordered_map<std::uint16_t, int> selectorOfCode;
    std::map<std::pair<char32_t, int>, std::uint16_t> codeOf;
};

const Alternates& AlternateCodes()
{
    static const Alternates table = [] {
        Alternates result;
        std::map<char32_t, int> seen;
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!TextCodec::IsLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const unsigned char pair[2] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
                char32_t cp = 0;
                if (!DecodeOne(pair, 2, &cp))
                    continue;
                std::string back;
                if (EncodeOne(cp, &back) && back == std::string(reinterpret_cast<const char*>(pair), 2))
                    continue;
                int index = seen[cp]++;
                if (index >= kSelectorCount)
                    continue;
                auto code = static_cast<std::uint16_t>(lead << 8 | trail);
                result.selectorOfCode[code] = index;
                result.codeOf[{cp, index}] = code;
            }
        }
        return result;
    }();
    return table;
}

std::u32string Decode(const std::string& text, bool markAlternates)
{
    std::u32string out;
    out.reserve(text.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        const unsigned char byte = bytes[i];
        if (byte < 0x80) {
            out.push_back(byte);
            ++i;
            continue;
        }
        char32_t cp = 0;
        if (!TextCodec::IsLeadByte(byte)) {
            out.push_back(DecodeOne(bytes + i, 1, &cp) ? cp : kReplacement);
            ++i;
            continue;
        }
        if (i + 1 >= size) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        if (!DecodeOne(bytes + i, 2, &cp)) {
            out.push_back(kReplacement);
            // An ASCII byte after a lead byte is a character of its own.
            i += bytes[i + 1] < 0x80 ? 1 : 2;
            continue;
        }
        out.push_back(cp);
        if (markAlternates) {
            const auto& selectors = AlternateCodes().selectorOfCode;
            auto found = selectors.find(static_cast<std::uint16_t>(byte << 8 | bytes[i + 1]));
            if (found != selectors.end())
                out.push_back(kSelectors[found->second]);
        }
        i += 2;
    }
    return out;
}

bool Encode(const QString& text, std::string* cp932)
{
    const QList<uint> cps = text.toUcs4();
    std::string out;
    out.reserve(static_cast<std::size_t>(cps.size()) * 2);
    for (qsizetype i = 0; i < cps.size(); ++i) {
        const auto cp = static_cast<char32_t>(cps[i]);
        if (IsSelector(cp))
            return false;
        if (i + 1 < cps.size() && IsSelector(static_cast<char32_t>(cps[i + 1]))) {
            const auto& codes = AlternateCodes().codeOf;
            auto found = codes.find(std::make_pair(cp, SelectorIndex(static_cast<char32_t>(cps[i + 1]))));
            if (found == codes.end())
                return false;
            out.push_back(static_cast<char>(found->second >> 8));
            out.push_back(static_cast<char>(found->second & 0xFF));
            ++i;
            continue;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        if (!EncodeOne(cp, &out))
            return false;
    }
    *cp932 = std::move(out);
    return true;
}

}  // namespace

QString TextCodec::ToUi(const std::string& cp932)
{
    const std::u32string cps = Decode(cp932, true);
    return QString::fromUcs4(cps.data(), static_cast<qsizetype>(cps.size()));
}

bool TextCodec::FromUi(const QString& text, std::string* cp932)
{
    return Encode(text, cp932);
}

std::string TextCodec::ToUtf8(const std::string& cp932)
{
    const std::u32string cps = Decode(cp932, false);
    return QString::fromUcs4(cps.data(), static_cast<qsizetype>(cps.size())).toStdString();
}

bool TextCodec::FromUtf8(const std::string& utf8, std::string* cp932)
{
    return Encode(QString::fromStdString(utf8), cp932);
}

std::string TextCodec::CutToField(const std::string& cp932, std::size_t maxBytes)
{
    if (cp932.size() <= maxBytes)
        return cp932;
    std::size_t end = 0;
    while (end < cp932.size()) {
        const std::size_t length = IsLeadByte(static_cast<unsigned char>(cp932[end])) ? 2 : 1;
        if (end + length > maxBytes)
            break;
        end += length;
    }
    return cp932.substr(0, end);
}

bool TextCodec::IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
