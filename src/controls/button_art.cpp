#include "controls/button_art.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace paginor::controls {

namespace {

struct Palette {
    uint32_t top, bottom, border, glyph, accent;
};

Palette palette(ButtonLook look) {
    switch (look) {
    case ButtonLook::Hover: // warm, lit
        return {0xFFF6D8, 0xFFD67A, 0xC2963A, 0x1F3A60, 0xC0392B};
    case ButtonLook::Inactive: // flat grey, glyph faded
        return {0xF2F2F2, 0xE0E0E0, 0xB8B8B8, 0xA6A6A6, 0xB5B5B5};
    case ButtonLook::Normal:
    default:
        return {0xF7F9FC, 0xD8E1EC, 0x8FA3BF, 0x1F3A60, 0xC0392B};
    }
}

uint32_t mix(uint32_t a, uint32_t b, int num, int den) {
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = int((a >> shift) & 0xFF), cb = int((b >> shift) & 0xFF);
        out |= uint32_t(ca + (cb - ca) * num / std::max(den, 1)) << shift;
    }
    return out;
}

class Canvas {
  public:
    Canvas(int w, int h) {
        m_image.width = w, m_image.height = h;
        m_image.format = platform::ImageFormat::Png;
        m_image.pixels.assign(size_t(w) * size_t(h), 0xFF000000u);
    }
    void put(int x, int y, uint32_t rgb) {
        if (x >= 0 && y >= 0 && x < m_image.width && y < m_image.height)
            m_image.pixels[size_t(y) * size_t(m_image.width) + size_t(x)] = 0xFF000000u | rgb;
    }
    void fill(int x, int y, int w, int h, uint32_t rgb) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                put(i, j, rgb);
    }
    platform::Image take() { return std::move(m_image); }

  private:
    platform::Image m_image;
};

// The glyph of each button in a box of side s whose top-left corner is (x, y).
void glyph(Canvas& c, ButtonArt art, const Palette& p, int x, int y, int s) {
    const int t = std::max(s / 6, 1); // stroke
    switch (art) {
    case ButtonArt::Prompt: // three dots along the bottom third
        for (int i = 0; i < 3; ++i)
            c.fill(x + i * (s - t) / 2, y + s - 2 * t - 1, t + 1, t + 1, p.glyph);
        return;
    case ButtonArt::Calendar: { // a page with a coloured top band and a grid of days
        c.fill(x, y, s, s, 0xFFFFFF);
        c.fill(x, y, s, t + 2, p.accent);
        c.fill(x, y, s, 1, p.glyph), c.fill(x, y + s - 1, s, 1, p.glyph);
        c.fill(x, y, 1, s, p.glyph), c.fill(x + s - 1, y, 1, s, p.glyph);
        for (int j = y + t + 4; j < y + s - 2; j += 3)
            for (int i = x + 2; i < x + s - 2; i += 3)
                c.put(i, j, p.glyph);
        return;
    }
    case ButtonArt::Add: // a plus
        c.fill(x, y + (s - t) / 2, s, t + 1, p.glyph);
        c.fill(x + (s - t) / 2, y, t + 1, s, p.glyph);
        return;
    case ButtonArt::Clear: // a cross
        for (int i = 0; i < s; ++i)
            for (int d = 0; d <= t; ++d) {
                c.put(x + i, y + i + d, p.accent);
                c.put(x + s - 1 - i, y + i + d, p.accent);
            }
        return;
    }
}

} // namespace

platform::Image button_art_image(ButtonArt art, ButtonLook look, int width, int height) {
    const int w = std::max(width, 8), h = std::max(height, 8);
    const Palette p = palette(look);
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        c.fill(0, y, w, 1, mix(p.top, p.bottom, y, h - 1));
    c.fill(0, 0, w, 1, p.border), c.fill(0, h - 1, w, 1, p.border);
    c.fill(0, 0, 1, h, p.border), c.fill(w - 1, 0, 1, h, p.border);
    // Softened corners, still opaque: the border mixed into the face.
    const std::pair<int, int> corners[] = {{1, 1}, {w - 2, 1}, {1, h - 2}, {w - 2, h - 2}};
    for (const auto& [x, y] : corners)
        c.put(x, y, mix(p.border, p.top, 1, 2));
    const int side = std::max(std::min(w, h) - 8, 4);
    glyph(c, art, p, (w - side) / 2, (h - side) / 2, side);
    return c.take();
}

frame::StdPicture* button_art_picture(ButtonArt art, ButtonLook look, int width, int height) {
    return frame::StdPicture::from_bytes(
        platform::encode_png(button_art_image(art, look, width, height)));
}

} // namespace paginor::controls
