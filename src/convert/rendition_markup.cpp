#include "convert/rendition.h"

namespace paginor::convert {

std::u16string fill_markup(std::u16string_view markup, size_t n, size_t count) {
    struct Key {
        std::u16string_view name;
        size_t value;
    };
    const Key keys[] = {{u"%%ThisHit%%", n},
                        {u"%%PrevHit%%", n > 1 ? n - 1 : 1},
                        {u"%%NextHit%%", n < count ? n + 1 : count}};
    std::u16string out;
    size_t i = 0;
    while (i < markup.size()) {
        bool replaced = false;
        for (const Key& key : keys) {
            if (markup.substr(i, key.name.size()) == key.name) {
                std::string digits = std::to_string(key.value);
                out.append(digits.begin(), digits.end());
                i += key.name.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            out += markup[i++];
        }
    }
    return out;
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
