#include "library/resources.h"

#include "platform/core/error.h"
#include "platform/core/unicode.h"

namespace paginor::library {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr int32_t kPixelsPerMetre = 3780; // 96 dots per inch

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

[[noreturn]] void table_fault(const ToolboxBitmap& b, const std::string& why) {
    raise_standard(std_error::InvalidProcedureCall, u"PaginorV2CTL.Resources",
                   u"Toolbox bitmap " + from_utf8(std::to_string(b.id)) + u": " + from_utf8(why));
}

// Position of key in the legend: the palette index for 4 bpp.
std::size_t legend_index(const ToolboxBitmap& b, char key) {
    for (std::size_t i = 0; i < b.legend.size(); ++i) {
        if (b.legend[i].first == key) {
            return i;
        }
    }
    table_fault(b, std::string("key '") + key + "' is not in the legend");
}

void check_table(const ToolboxBitmap& b) {
    if (b.bits_per_pixel != 24 && b.bits_per_pixel != 4) {
        table_fault(b, "only 24 and 4 bits per pixel are supported");
    }
    if (b.bits_per_pixel == 4 && b.legend.size() != 16) {
        table_fault(b, "a 4 bpp legend must have 16 entries");
    }
    if (b.rows.size() != std::size_t(toolbox_bitmap_height)) {
        table_fault(b, "wrong number of rows");
    }
    for (std::string_view row : b.rows) {
        if (row.size() != std::size_t(toolbox_bitmap_width)) {
            table_fault(b, "row \"" + std::string(row) + "\" has the wrong length");
        }
    }
}

void put_row(std::vector<uint8_t>& out, const ToolboxBitmap& b, std::string_view row,
             std::size_t stride) {
    std::size_t start = out.size();
    for (std::size_t x = 0; x < row.size(); ++x) {
        std::size_t index = legend_index(b, row[x]);
        if (b.bits_per_pixel == 24) {
            uint32_t rgb = b.legend[index].second;
            out.push_back(static_cast<uint8_t>(rgb));       // blue
            out.push_back(static_cast<uint8_t>(rgb >> 8));  // green
            out.push_back(static_cast<uint8_t>(rgb >> 16)); // red
        } else if (x % 2 == 0) {
            out.push_back(static_cast<uint8_t>(index << 4));
        } else {
            out.back() = static_cast<uint8_t>(out.back() | index);
        }
    }
    out.resize(start + stride, 0);
}

} // namespace

const ToolboxBitmap* find_toolbox_bitmap(int id) {
    for (const auto& b : toolbox_bitmaps()) {
        if (b.id == id) {
            return &b;
        }
    }
    return nullptr;
}

std::vector<uint8_t> toolbox_bitmap_bmp(const ToolboxBitmap& b) {
    check_table(b);
    const uint32_t bpp = static_cast<uint32_t>(b.bits_per_pixel);
    const uint32_t stride = (toolbox_bitmap_width * bpp + 31) / 32 * 4;
    const uint32_t palette = bpp == 4 ? 16 * 4 : 0;
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize + palette;
    const uint32_t image = stride * toolbox_bitmap_height;

    std::vector<uint8_t> out;
    out.reserve(offset + image);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + image); // bfSize
    put32(out, 0);              // bfReserved1, bfReserved2
    put32(out, offset);         // bfOffBits

    put32(out, kInfoHeaderSize);
    put32(out, toolbox_bitmap_width);
    put32(out, toolbox_bitmap_height); // positive: rows run bottom-up
    put16(out, 1);                     // biPlanes
    put16(out, bpp);
    put32(out, 0); // BI_RGB
    put32(out, image);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, bpp == 4 ? 16 : 0); // biClrUsed
    put32(out, 0);                 // biClrImportant

    if (bpp == 4) {
        for (const auto& [key, rgb] : b.legend) {
            out.push_back(static_cast<uint8_t>(rgb));
            out.push_back(static_cast<uint8_t>(rgb >> 8));
            out.push_back(static_cast<uint8_t>(rgb >> 16));
            out.push_back(0);
        }
    }
    for (std::size_t y = b.rows.size(); y-- > 0;) {
        put_row(out, b, b.rows[y], stride);
    }
    return out;
}

} // namespace paginor::library
