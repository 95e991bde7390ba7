// The library's toolbox bitmaps: one 16 x 15 picture per control, which a form designer
// shows in its toolbox. Resource ids and controls:
//
//   30000 DDOC            24 bpp   a page with text lines and a hit marked in red
//   30001 HoverButton     24 bpp   a flat button with an icon and a caption line
//   30002 PromptField     24 bpp   an entry box with a "..." prompt button
//   30003 MultiPrompt     24 bpp   a list of values with an add button
//   30004 GradientButton  24 bpp   a button shaded from light to dark
//   30005 O2007Hover      4 bpp    an image button lit in the hover colour
//   30006 O2007Check      4 bpp    a check box with a tick and a caption line
//
// The pictures are drawn as pixel tables in resources_bitmaps.cpp. Each one can be had
// as the bytes of a BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER (no compression), a
// 16-colour palette for 4 bpp, then the rows bottom-up, each padded to 4 bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace paginor::library {

constexpr int toolbox_bitmap_width = 16;
constexpr int toolbox_bitmap_height = 15;

struct ToolboxBitmap {
    int id;
    std::string_view control;
    int bits_per_pixel; // 24, or 4 with the palette below
    // toolbox_bitmap_height rows of toolbox_bitmap_width characters, top row first; each
    // character is a key of legend.
    std::span<const std::string_view> rows;
    // Pairs of key character and colour 0x00RRGGBB; for 4 bpp the position of a pair is
    // its palette index, and the palette has exactly 16 entries.
    std::span<const std::pair<char, uint32_t>> legend;
};

// The seven bitmaps, ids 30000 to 30006 in order.
std::span<const ToolboxBitmap> toolbox_bitmaps();

// The bitmap with that resource id, or null for any other id.
const ToolboxBitmap* find_toolbox_bitmap(int id);

// The bytes of a BMP file holding the bitmap. Throws RuntimeError (5) when a row has the
// wrong length or uses a key missing from the legend, or a 4 bpp legend does not have 16
// entries (a fault of the table, caught by the tests).
std::vector<uint8_t> toolbox_bitmap_bmp(const ToolboxBitmap& bitmap);

} // namespace paginor::library
