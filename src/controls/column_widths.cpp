#include "controls/column_widths.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace paginor::controls {

namespace {

std::u16string_view trimmed(std::u16string_view s) {
    while (!s.empty() && (s.front() == u' ' || s.front() == u'\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == u' ' || s.back() == u'\t'))
        s.remove_suffix(1);
    return s;
}

std::string lower_ascii(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        if (c > 0x7F)
            return "?";
        out += char(c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c);
    }
    return out;
}

// One entry in twips; nullopt when it is not a number with a known unit.
std::optional<double> entry_twips(std::u16string_view entry) {
    size_t i = 0;
    std::string digits;
    bool point = false;
    for (; i < entry.size(); ++i) {
        const char16_t c = entry[i];
        if (c >= u'0' && c <= u'9')
            digits += char(c);
        else if (c == u'.' && !point)
            point = true, digits += '.';
        else
            break;
    }
    if (digits.empty() || digits == ".")
        return std::nullopt;
    const double value = std::stod(digits[0] == '.' ? "0" + digits : digits);
    const std::string unit = lower_ascii(trimmed(entry.substr(i)));
    if (unit == "in")
        return value * 1440;
    if (unit == "cm")
        return value * 1440 / 2.54;
    if (unit == "pt" || unit.empty())
        return value * 20;
    if (unit == "twips" || unit == "twip")
        return value;
    return std::nullopt;
}

} // namespace

std::optional<std::vector<double>> parse_column_widths(std::u16string_view text) {
    std::vector<double> widths;
    while (true) {
        const size_t end = text.find(u';');
        const std::u16string_view entry = trimmed(text.substr(0, end));
        if (entry.empty()) {
            widths.push_back(-1);
        } else {
            const std::optional<double> twips = entry_twips(entry);
            if (!twips)
                return std::nullopt;
            widths.push_back(*twips);
        }
        if (end == std::u16string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    // A trailing blank only closes the list; blanks past the end count the same.
    while (!widths.empty() && widths.back() < 0)
        widths.pop_back();
    return widths;
}

std::vector<int> column_pixels(const std::vector<double>& twips, int count, int total,
                               int twips_per_pixel) {
    std::vector<int> px(size_t(std::max(count, 0)), -1);
    int used = 0, blanks = 0;
    for (size_t c = 0; c < px.size(); ++c) {
        if (c < twips.size() && twips[c] >= 0) {
            px[c] = int(std::lround(twips[c] / std::max(twips_per_pixel, 1)));
            used += px[c];
        } else {
            ++blanks;
        }
    }
    const int shares = blanks;
    int left = std::max(total - used, 0);
    const int share = shares > 0 ? left / shares : 0;
    for (int& w : px)
        if (w < 0) {
            w = --blanks == 0 ? left : share; // the last blank takes what division leaves
            left -= w;
        }
    return px;
}

} // namespace paginor::controls
