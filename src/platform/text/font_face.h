// A font file opened at one pixel size: the FreeType face for rasterising, the HarfBuzz
// font for shaping, and the line metrics text layout needs. Shared by every HFONT of the
// same file, size and synthetic style; only the text code uses it.
#pragma once

#include "platform/text/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace paginor::platform {

// Owns the FreeType library; every face keeps it alive, so faces held by fonts that
// outlive the font cache still close cleanly at exit.
struct FreeTypeLibrary {
    FT_Library ft{nullptr};
    FreeTypeLibrary() { FT_Init_FreeType(&ft); }
    ~FreeTypeLibrary() { FT_Done_FreeType(ft); }
};

class FaceInstance {
  public:
    FaceInstance(std::shared_ptr<FreeTypeLibrary> library, FT_Face face, int em_pixels,
                 const FontFile& file);
    ~FaceInstance();
    FaceInstance(const FaceInstance&) = delete;
    FaceInstance& operator=(const FaceInstance&) = delete;

    FT_Face face() const { return m_face; }
    hb_font_t* shaper() const { return m_hb; }
    int em_pixels() const { return m_em; }
    bool synthetic_bold() const { return m_bold; }
    bool synthetic_italic() const { return m_italic; }

    // Line metrics in whole pixels.
    int ascent() const { return m_ascent; }
    int descent() const { return m_descent; }
    int height() const { return m_ascent + m_descent; }
    int internal_leading() const { return m_ascent + m_descent - m_em; }
    int underline_offset() const { return m_underline_offset; } // below the baseline
    int line_thickness() const { return m_line_thickness; }
    int strikeout_offset() const { return m_strikeout_offset; } // above the baseline
    int average_width() const { return m_average_width; }

    // A glyph as rasterised at this size: its coverage (the bitmap's buffer points into
    // pixels) and its offsets from the pen position on the baseline.
    struct RenderedGlyph {
        FT_Bitmap bitmap{};
        int left{0};
        int top{0};
        std::vector<unsigned char> pixels;
    };
    // Rasterised once and kept, since pens stand on whole pixels; null when the face
    // cannot load or render the glyph.
    const RenderedGlyph* rendered(uint32_t glyph, bool mono);

  private:
    std::shared_ptr<FreeTypeLibrary> m_library;
    FT_Face m_face{nullptr};
    hb_font_t* m_hb{nullptr};
    int m_em{0};
    bool m_bold{false};
    bool m_italic{false};
    int m_ascent{0};
    int m_descent{0};
    int m_underline_offset{1};
    int m_line_thickness{1};
    int m_strikeout_offset{0};
    int m_average_width{0};
    std::unordered_map<uint64_t, std::unique_ptr<RenderedGlyph>> m_rendered; // by glyph, mono
};

// The shared instance for a request (never null: a broken file falls back to the sans
// face). The em size is derived from the request's height as LOGFONT describes.
std::shared_ptr<FaceInstance> face_for(const LOGFONT& request);

// The face of a DC's font, the system font when none was selected.
FaceInstance& dc_face(HFONT font);

} // namespace paginor::platform
