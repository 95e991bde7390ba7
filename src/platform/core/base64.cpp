#include "platform/core/base64.h"

namespace paginor::platform {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int value_of(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

std::string base64_encode(std::span<const uint8_t> bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = std::min<size_t>(3, bytes.size() - i);
        uint32_t chunk = uint32_t(bytes[i]) << 16;
        if (n > 1)
            chunk |= uint32_t(bytes[i + 1]) << 8;
        if (n > 2)
            chunk |= bytes[i + 2];
        out += kAlphabet[(chunk >> 18) & 63];
        out += kAlphabet[(chunk >> 12) & 63];
        out += n > 1 ? kAlphabet[(chunk >> 6) & 63] : '=';
        out += n > 2 ? kAlphabet[chunk & 63] : '=';
    }
    return out;
}

std::optional<std::vector<uint8_t>> base64_decode(std::string_view text) {
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::vector<uint8_t> out;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        int pad = 0;
        uint32_t chunk = 0;
        for (size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            if (c == '=' && last && k >= 2 && (k == 3 || text[i + 3] == '=')) {
                ++pad;
                chunk <<= 6;
                continue;
            }
            const int v = value_of(c);
            if (v < 0 || pad > 0)
                return std::nullopt;
            chunk = (chunk << 6) | uint32_t(v);
        }
        out.push_back(uint8_t(chunk >> 16));
        if (pad < 2)
            out.push_back(uint8_t(chunk >> 8));
        if (pad < 1)
            out.push_back(uint8_t(chunk));
    }
    return out;
}

} // namespace paginor::platform
