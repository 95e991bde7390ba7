// The converters' own errors: number 0x80040000 + code, source naming the converter, and
// a description naming the file and what was wrong with it.
#pragma once

#include "platform/core/error.h"

#include <string>
#include <string_view>

namespace paginor::convert {

inline constexpr std::u16string_view kDocSource = u"PaginorV2CTL.DocConverter";
inline constexpr std::u16string_view kImageSource = u"PaginorV2CTL.ImageConverter";

enum class ConvertCode : int {
    Unreadable = 13101,    // missing, a folder, or no access
    UnknownFormat = 13102, // a container we open but whose content we do not know
    Damaged = 13103,       // truncated or inconsistent package, stream or page
    Encrypted = 13104,     // protected by a password
    TooLarge = 13105,      // inflates past kMaxInflated, or an image past kMaxPixels
    Cycle = 13106,         // a compound file whose chains loop
    NotDocument = 13107,   // a picture, media or other binary
    BadSetting = 13108,    // a format code we do not write, no source or no target
    WriteFailed = 13109,   // the rendition could not be written
};

// Raises the code with source and "<what>: <file>" as its description.
[[noreturn]] void raise_convert(ConvertCode code, std::u16string_view source,
                                std::u16string_view file, std::u16string_view what);

} // namespace paginor::convert
