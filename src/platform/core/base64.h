// Base64 (the standard alphabet with '=' padding) for binary streams in text files.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace paginor::platform {

std::string base64_encode(std::span<const uint8_t> bytes);
// The bytes, or nothing when the text holds a character outside the alphabet, has a
// length that is not a multiple of four, or misplaced padding. Empty text is no bytes.
std::optional<std::vector<uint8_t>> base64_decode(std::string_view text);

} // namespace paginor::platform
