#include "convert/rendition.h"

#include <algorithm>
#include <charconv>

namespace paginor::convert {

namespace {
constexpr std::u16string_view kKeys[] = {u"%%ThisHit%%", u"%%PrevHit%%", u"%%NextHit%%"};
}

MarkupTemplate::MarkupTemplate(std::u16string_view markup, Encode encode) {
    std::u16string text;
    size_t i = 0;
    while (true) {
        int key = -1;
        for (int k = 0; k < 3 && key < 0 && i < markup.size(); ++k) {
            key = markup.substr(i, kKeys[k].size()) == kKeys[k] ? k : -1;
        }
        if (key < 0 && i < markup.size()) {
            text += markup[i++];
            continue;
        }
        // Markup is encoded a character at a time, so its pieces may be encoded apart.
        encode(m_text.emplace_back(), text);
        text.clear();
        if (key < 0) {
            return;
        }
        m_keys.push_back(key);
        i += kKeys[key].size();
    }
}

void MarkupTemplate::put(std::string& out, size_t n, size_t count) const {
    const size_t values[] = {n, n > 1 ? n - 1 : 1, n < count ? n + 1 : count};
    out += m_text.front();
    for (size_t k = 0; k < m_keys.size(); ++k) {
        char digits[24];
        auto done = std::to_chars(digits, digits + sizeof digits, values[m_keys[k]]);
        out.append(digits, done.ptr);
        out += m_text[k + 1];
    }
}

bool MarkupTemplate::names_next() const {
    return std::find(m_keys.begin(), m_keys.end(), 2) != m_keys.end();
}

int codepage_byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    static constexpr char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i) {
        if (high[i] == c && c != 0) {
            return 0x80 + i;
        }
    }
    return -1;
}

} // namespace paginor::convert
