#include "platform/core/number_text.h"

#include <cmath>
#include <string>

namespace paginor::platform {

namespace {

bool is_blank(char16_t c) {
    return c == u' ' || c == u'\t';
}

} // namespace

std::optional<int32_t> whole_number(std::u16string_view text) {
    size_t at = 0, end = text.size();
    while (at < end && is_blank(text[at]))
        ++at;
    while (end > at && is_blank(text[end - 1]))
        --end;
    std::string plain;
    if (at < end && (text[at] == u'-' || text[at] == u'+'))
        plain += char(text[at++]);
    bool digits = false, point = false;
    for (; at < end; ++at) {
        const char16_t c = text[at];
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            return std::nullopt;
        plain += char(c);
    }
    if (!digits)
        return std::nullopt;
    const double value = std::nearbyint(std::strtod(plain.c_str(), nullptr));
    if (!(value >= -2147483648.0 && value <= 2147483647.0))
        return std::nullopt;
    return int32_t(value);
}

double leading_number(std::u16string_view text) {
    std::string plain;
    bool digits = false, point = false;
    for (const char16_t c : text) {
        if (is_blank(c))
            continue;
        if ((c == u'-' || c == u'+') && plain.empty())
            plain += char(c);
        else if (c >= u'0' && c <= u'9')
            plain += char(c), digits = true;
        else if (c == u'.' && !point)
            plain += '.', point = true;
        else
            break;
    }
    return digits ? std::strtod(plain.c_str(), nullptr) : 0.0;
}

} // namespace paginor::platform
