#include "platform/Utf8.h"

#include <string>

namespace loopora {

namespace {

struct Lead {
    int continuations = -1;   // -1: not a valid lead byte
    unsigned char low = 0x80; // accepted range of the first continuation byte,
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

std::u32string decodeUtf8(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        const Lead lead = leadOf(b);
        ++i;
        if (lead.continuations < 0) {
            out.push_back(kReplacementCharacter);
            continue;
        }
        char32_t cp = lead.bits;
        bool complete = true;
        for (int k = 0; k < lead.continuations; ++k) {
            const unsigned char low = k == 0 ? lead.low : 0x80;
            const unsigned char high = k == 0 ? lead.high : 0xBF;
            if (i >= utf8.size()) {
                complete = false;
                break;
            }
            const auto c = static_cast<unsigned char>(utf8[i]);
            if (c < low || c > high) {
                complete = false; // the offending byte starts the next sequence
                break;
            }
            cp = (cp << 6) | char32_t(c & 0x3F);
            ++i;
        }
        out.push_back(complete ? cp : kReplacementCharacter);
    }
    return out;
}

} // namespace loopora
