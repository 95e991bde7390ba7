// Fonts: a description by face name, size and style; found through a substitution table
// and fontconfig, rasterised with FreeType. The face name reads back as it was given,
// whatever installed file stands in for it.
#pragma once

#include "platform/core/system_profile.h"
#include "platform/core/types.h"

#include <memory>
#include <string>

namespace paginor::platform {

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

// A font request. height < 0 is the character (em) height in pixels, height > 0 the cell
// height (ascent + descent), 0 a default of 13 px cells.
struct LOGFONT {
    int32_t height{0};
    int32_t weight{FW_NORMAL};
    bool italic{false};
    bool underline{false};
    bool strikeout{false};
    std::u16string face;
};

// Points to the em height in pixels through the screen's twips per pixel, rounded to the
// nearest pixel: 8.25 pt at 15 twips per pixel is 11 px.
int points_to_pixels(double points);

// A font from a description in points; negative or zero points give the 13 px default.
HFONT create_font(std::u16string_view face, double points, bool bold = false, bool italic = false,
                  bool underline = false, bool strikeout = false);

// A font from a request; never fails (an unknown face falls back to a sans face).
HFONT CreateFontIndirect(const LOGFONT& request);

// The request a font was made from; a default LOGFONT for an unknown handle.
LOGFONT font_description(HFONT font);

// The installed family that stands in for a face name: the substitution table first
// (metric-compatible stand-ins for the desktop's faces), then fontconfig's best match.
std::string substitute_family(std::u16string_view face);

// The font file (and face index inside it) chosen for a request.
struct FontFile {
    std::string path;
    int index{0};
    bool synthetic_bold{false};
    bool synthetic_italic{false};
};
FontFile resolve_font_file(std::u16string_view face, bool bold, bool italic);

class FaceInstance;

// What lives behind an HFONT.
struct FontObject {
    LOGFONT request;
    std::shared_ptr<FaceInstance> face;
};

} // namespace paginor::platform
