#include "Wildcard.h"

#include <vector>

namespace {

// Code points of UTF-8 text; a byte that starts no valid sequence stands for itself, so
// matching never fails on malformed text, it only compares it byte by byte.
std::vector<char32_t> CodePoints(const std::string& text)
{
    std::vector<char32_t> points;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
        bool valid = length > 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!valid) {
            points.push_back(0x110000 + lead); // outside Unicode: cannot equal a decoded character
            ++i;
            continue;
        }
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k)
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        points.push_back(point);
        i += length;
    }
    return points;
}

} // namespace

bool WildcardMatch(const std::string& pattern, const std::string& text)
{
    const std::vector<char32_t> p = CodePoints(pattern);
    const std::vector<char32_t> t = CodePoints(text);
    // Greedy matching with one backtrack point: the last '*' and where its run ends now.
    size_t pi = 0, ti = 0, star = p.size(), resume = 0;
    while (ti < t.size()) {
        if (pi < p.size() && (p[pi] == U'?' || (p[pi] != U'*' && p[pi] == t[ti]))) {
            ++pi;
            ++ti;
        } else if (pi < p.size() && p[pi] == U'*') {
            star = pi++;
            resume = ti;
        } else if (star != p.size()) {
            pi = star + 1;
            ti = ++resume;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'*')
        ++pi;
    return pi == p.size();
}

bool IsWildcardPattern(const std::string& text)
{
    return text.find_first_of("*?") != std::string::npos;
}
