#include "platform/Utf8.h"

namespace loopora {
namespace {

struct Lead {
    int continuations = -1;    // -1: not a valid lead byte
    unsigned char low = 0x80;  // accepted range of the first continuation byte,
    unsigned char high = 0xBF; // narrower where it rules out overlongs and surrogates
    char32_t bits = 0;
};

Lead leadOf(unsigned char b)
{
    if (b >= 0xC2 && b <= 0xDF)
        return {1, 0x80, 0xBF, char32_t(b & 0x1F)};
    if (b == 0xE0)
        return {2, 0xA0, 0xBF, char32_t(b & 0x0F)};
    if (b == 0xED)
        return {2, 0x80, 0x9F, char32_t(b & 0x0F)};
    if (b >= 0xE1 && b <= 0xEF)
        return {2, 0x80, 0xBF, char32_t(b & 0x0F)};
    if (b == 0xF0)
        return {3, 0x90, 0xBF, char32_t(b & 0x07)};
    if (b == 0xF4)
        return {3, 0x80, 0x8F, char32_t(b & 0x07)};
    if (b >= 0xF1 && b <= 0xF3)
        return {3, 0x80, 0xBF, char32_t(b & 0x07)};
    return {};
}

} // namespace

char32_t decodeUtf8(std::string_view utf8, size_t& i)
{
    const auto b = static_cast<unsigned char>(utf8[i++]);
    if (b < 0x80)
        return b;
    const Lead lead = leadOf(b);
    if (lead.continuations < 0)
        return kReplacementCharacter;
    char32_t cp = lead.bits;
    for (int k = 0; k < lead.continuations; ++k) {
        const unsigned char low = k == 0 ? lead.low : 0x80;
        const unsigned char high = k == 0 ? lead.high : 0xBF;
        if (i >= utf8.size())
            return kReplacementCharacter;
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < low || c > high)
            return kReplacementCharacter; // the offending byte starts the next sequence
        cp = (cp << 6) | char32_t(c & 0x3F);
        ++i;
    }
    return cp;
}

std::u32string decodeUtf8(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();)
        out.push_back(decodeUtf8(utf8, i));
    return out;
}

std::string wellFormedUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();)
        appendUtf8(out, decodeUtf8(utf8, i));
    return out;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = kReplacementCharacter;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

} // namespace loopora
