#include "platform/core/date_text.h"

#include "platform/core/date.h"
#include "platform/core/unicode.h"

#include <array>
#include <cstdio>
#include <vector>

namespace paginor::platform {

namespace {

constexpr std::array<std::u16string_view, 12> kShortMonths{
    u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
constexpr std::array<std::u16string_view, 12> kFullMonths{
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December"};

std::u16string ascii(const char* text) {
    std::u16string out;
    for (; *text != 0; ++text) {
        out += char16_t(*text);
    }
    return out;
}

// 0 when the word names no month.
int month_from_name(std::u16string_view word) {
    for (int m = 1; m <= 12; ++m) {
        if (equals_ignore_case(word, kShortMonths[m - 1]) ||
            equals_ignore_case(word, kFullMonths[m - 1])) {
            return m;
        }
    }
    return 0;
}

// The value of a run of 1 to max_digits decimal digits, -1 for anything else.
int number_from_digits(std::u16string_view word, size_t max_digits) {
    if (word.empty() || word.size() > max_digits) {
        return -1;
    }
    int value = 0;
    for (char16_t c : word) {
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

int year_from_digits(std::u16string_view word) {
    return word.size() == 4 ? number_from_digits(word, 4) : -1;
}

std::vector<std::u16string_view> split_blanks(std::u16string_view text) {
    std::vector<std::u16string_view> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == u' ') {
            ++i;
        }
        size_t start = i;
        while (i < text.size() && text[i] != u' ') {
            ++i;
        }
        if (i > start) {
            words.push_back(text.substr(start, i - start));
        }
    }
    return words;
}

std::optional<DATE> make_date(int year, int month, int day) {
    // Checked before the narrowing to WORD, so that no year wraps into range.
    if (year < 100 || year > 9999 || month < 1 || day < 1 || month > 12 || day > 31) {
        return std::nullopt;
    }
    SYSTEMTIME st;
    st.wYear = WORD(year);
    st.wMonth = WORD(month);
    st.wDay = WORD(day);
    return date_from_fields(st);
}

std::optional<DATE> parse_iso(std::u16string_view word) {
    size_t first = word.find(u'-');
    size_t second = first == word.npos ? word.npos : word.find(u'-', first + 1);
    if (second == word.npos || word.find(u'-', second + 1) != word.npos) {
        return std::nullopt;
    }
    return make_date(year_from_digits(word.substr(0, first)),
                     number_from_digits(word.substr(first + 1, second - first - 1), 2),
                     number_from_digits(word.substr(second + 1), 2));
}

std::optional<DATE> parse_words(const std::vector<std::u16string_view>& w, int current_year) {
    switch (w.size()) {
    case 1:
        if (w[0].find(u'-') != w[0].npos) {
            return parse_iso(w[0]);
        }
        return make_date(current_year, month_from_name(w[0]), 1);
    case 2:
        if (int month = month_from_name(w[0]); month != 0) {
            return make_date(year_from_digits(w[1]), month, 1);
        }
        return make_date(current_year, month_from_name(w[1]), number_from_digits(w[0], 2));
    case 3:
        return make_date(year_from_digits(w[2]), month_from_name(w[1]),
                         number_from_digits(w[0], 2));
    default:
        return std::nullopt;
    }
}

} // namespace

std::u16string_view month_short_name(int month) {
    return month >= 1 && month <= 12 ? kShortMonths[month - 1] : std::u16string_view{};
}

std::u16string_view month_full_name(int month) {
    return month >= 1 && month <= 12 ? kFullMonths[month - 1] : std::u16string_view{};
}

std::u16string format_day_month_year(DATE date) {
    std::optional<SYSTEMTIME> st = fields_from_date(date);
    if (!st) {
        return {};
    }
    char day[16];
    char year[16];
    std::snprintf(day, sizeof day, "%02u ", unsigned(st->wDay));
    std::snprintf(year, sizeof year, " %04u", unsigned(st->wYear));
    return ascii(day) + std::u16string(month_short_name(st->wMonth)) + ascii(year);
}

std::u16string format_yyyymmdd(DATE date) {
    std::optional<SYSTEMTIME> st = fields_from_date(date);
    if (!st) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04u%02u%02u", unsigned(st->wYear), unsigned(st->wMonth),
                  unsigned(st->wDay));
    return ascii(text);
}

std::u16string format_year_month(DATE date) {
    std::optional<SYSTEMTIME> st = fields_from_date(date);
    if (!st) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u", unsigned(st->wYear), unsigned(st->wMonth));
    return ascii(text);
}

std::u16string format_stamp(DATE date) {
    std::optional<SYSTEMTIME> st = fields_from_date(date);
    if (!st) {
        return {};
    }
    char text[48];
    std::snprintf(text, sizeof text, "%04u%02u%02u%02u%02u%02u", unsigned(st->wYear),
                  unsigned(st->wMonth), unsigned(st->wDay), unsigned(st->wHour),
                  unsigned(st->wMinute), unsigned(st->wSecond));
    return ascii(text);
}

std::optional<DATE> parse_date(std::u16string_view text, int current_year) {
    return parse_words(split_blanks(text), current_year);
}

} // namespace paginor::platform
