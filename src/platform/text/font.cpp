#include "platform/text/font.h"

#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/raster/gdi_objects.h"
#include "platform/text/font_face.h"

#include <fontconfig/fontconfig.h>
#include <hb-ft.h>
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace paginor::platform {

namespace {

struct Substitute {
    std::u16string_view face;
    const char* family;
};

// Metric-compatible stand-ins where one exists (the Liberation faces match the widths of
// the sans, serif and mono faces they replace); the closest in width otherwise.
constexpr std::array kSubstitutes{
    Substitute{u"MS Sans Serif", "Liberation Sans"},
    Substitute{u"Arial", "Liberation Sans"},
    Substitute{u"Helvetica", "Liberation Sans"},
    Substitute{u"Segoe UI", "Liberation Sans"},
    Substitute{u"Calibri", "Liberation Sans"},
    Substitute{u"Arial Narrow", "Liberation Sans Narrow"},
    Substitute{u"Times New Roman", "Liberation Serif"},
    Substitute{u"Times", "Liberation Serif"},
    Substitute{u"MS Serif", "Liberation Serif"},
    Substitute{u"Courier New", "Liberation Mono"},
    Substitute{u"Courier", "Liberation Mono"},
    Substitute{u"Verdana", "DejaVu Sans"},
    Substitute{u"Tahoma", "DejaVu Sans Condensed"},
    Substitute{u"Trebuchet MS", "DejaVu Sans Condensed"},
    Substitute{u"Georgia", "DejaVu Serif"},
    Substitute{u"Lucida Console", "DejaVu Sans Mono"},
    Substitute{u"Consolas", "DejaVu Sans Mono"},
};

constexpr const char* kFallbackFamily = "DejaVu Sans";

struct Library {
    std::shared_ptr<FreeTypeLibrary> freetype{std::make_shared<FreeTypeLibrary>()};
    FcConfig* fc{nullptr};
    std::map<std::tuple<std::string, int, int, bool, bool>, std::shared_ptr<FaceInstance>> faces;
    std::map<std::tuple<std::u16string, bool, bool>, FontFile> files;

    Library() { fc = FcInitLoadConfigAndFonts(); }
    ~Library() {
        faces.clear();
        FcConfigDestroy(fc);
        FcFini();
    }
};

Library& library() {
    static Library lib;
    return lib;
}

std::string fc_string(FcPattern* p, const char* key) {
    FcChar8* s = nullptr;
    return FcPatternGetString(p, key, 0, &s) == FcResultMatch ? reinterpret_cast<char*>(s) : "";
}

int fc_int(FcPattern* p, const char* key, int fallback) {
    int v = fallback;
    FcPatternGetInteger(p, key, 0, &v);
    return v;
}

FontFile fontconfig_match(const std::string& family, bool bold, bool italic) {
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(library().fc, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(library().fc, pat, &result);
    FontFile file;
    if (match) {
        file.path = fc_string(match, FC_FILE);
        file.index = fc_int(match, FC_INDEX, 0);
        file.synthetic_bold =
            bold && fc_int(match, FC_WEIGHT, FC_WEIGHT_REGULAR) < FC_WEIGHT_DEMIBOLD;
        file.synthetic_italic = italic && fc_int(match, FC_SLANT, FC_SLANT_ROMAN) == FC_SLANT_ROMAN;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return file;
}

int em_for(const LOGFONT& r, FT_Face face) {
    if (r.height < 0)
        return -r.height;
    int cell = r.height > 0 ? r.height : 13;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    double units = os2 ? double(os2->usWinAscent) + os2->usWinDescent
                       : double(face->ascender) - face->descender;
    return std::max(1, int(std::lround(cell * face->units_per_EM / units)));
}

} // namespace

int points_to_pixels(double points) {
    return int(std::lround(points * 20.0 / screen_twips_per_pixel_y()));
}

std::string substitute_family(std::u16string_view face) {
    for (const Substitute& s : kSubstitutes)
        if (equals_ignore_case(s.face, face))
            return s.family;
    return face.empty() ? kFallbackFamily : to_utf8(face);
}

FontFile resolve_font_file(std::u16string_view face, bool bold, bool italic) {
    auto key = std::make_tuple(std::u16string(face), bold, italic);
    auto& files = library().files;
    auto it = files.find(key);
    if (it != files.end())
        return it->second;
    FontFile file = fontconfig_match(substitute_family(face), bold, italic);
    if (file.path.empty())
        file = fontconfig_match(kFallbackFamily, bold, italic);
    files[key] = file;
    return file;
}

FaceInstance::FaceInstance(std::shared_ptr<FreeTypeLibrary> library, FT_Face face, int em_pixels,
                           const FontFile& file)
    : m_library(std::move(library)), m_face(face), m_em(em_pixels), m_bold(file.synthetic_bold),
      m_italic(file.synthetic_italic) {
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(em_pixels));
    m_hb = hb_ft_font_create_referenced(face);
    hb_ft_font_set_load_flags(m_hb, FT_LOAD_DEFAULT);
    double scale = double(em_pixels) / face->units_per_EM;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    double asc = os2 ? os2->usWinAscent : face->ascender;
    double desc = os2 ? os2->usWinDescent : -face->descender;
    m_ascent = int(std::lround(asc * scale));
    m_descent = int(std::lround(desc * scale));
    m_line_thickness = std::max(1, int(std::lround(face->underline_thickness * scale)));
    m_underline_offset = std::max(1, int(std::lround(-face->underline_position * scale)));
    m_strikeout_offset = os2 ? int(std::lround(os2->yStrikeoutPosition * scale)) : m_em / 3;
    m_average_width = os2 ? int(std::lround(os2->xAvgCharWidth * scale)) : m_em / 2;
}

FaceInstance::~FaceInstance() {
    hb_font_destroy(m_hb);
    FT_Done_Face(m_face);
}

const FaceInstance::RenderedGlyph* FaceInstance::rendered(uint32_t glyph, bool mono) {
    const uint64_t key = uint64_t(glyph) << 1 | (mono ? 1 : 0);
    if (const auto known = m_rendered.find(key); known != m_rendered.end())
        return known->second.get();
    std::unique_ptr<RenderedGlyph>& entry = m_rendered[key];
    const FT_Int32 load = FT_LOAD_DEFAULT | (mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
    if (FT_Load_Glyph(m_face, glyph, load) != 0)
        return nullptr;
    if (m_italic)
        FT_GlyphSlot_Oblique(m_face->glyph);
    if (m_bold)
        FT_GlyphSlot_Embolden(m_face->glyph);
    if (FT_Render_Glyph(m_face->glyph, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0)
        return nullptr;
    const FT_GlyphSlot slot = m_face->glyph;
    entry = std::make_unique<RenderedGlyph>();
    entry->bitmap = slot->bitmap;
    entry->left = slot->bitmap_left;
    entry->top = slot->bitmap_top;
    const size_t pitch = size_t(std::abs(slot->bitmap.pitch));
    if (slot->bitmap.buffer && pitch > 0) {
        entry->pixels.assign(slot->bitmap.buffer,
                             slot->bitmap.buffer + pitch * size_t(slot->bitmap.rows));
        entry->bitmap.buffer = entry->pixels.data();
    } else {
        entry->bitmap.buffer = nullptr;
    }
    return entry.get();
}

std::shared_ptr<FaceInstance> face_for(const LOGFONT& request) {
    bool bold = request.weight >= 600;
    FontFile file = resolve_font_file(request.face, bold, request.italic);
    Library& lib = library();
    auto key = std::make_tuple(file.path, file.index, request.height, file.synthetic_bold,
                               file.synthetic_italic);
    auto it = lib.faces.find(key);
    if (it != lib.faces.end())
        return it->second;
    FT_Face face = nullptr;
    if (FT_New_Face(lib.freetype->ft, file.path.c_str(), file.index, &face) != 0) {
        file = fontconfig_match(kFallbackFamily, bold, request.italic);
        if (FT_New_Face(lib.freetype->ft, file.path.c_str(), file.index, &face) != 0)
            raise_standard(std_error::FileNotFound, u"PaginorV2CTL", u"No font is installed");
    }
    auto made = std::make_shared<FaceInstance>(lib.freetype, face, em_for(request, face), file);
    lib.faces[key] = made;
    return made;
}

FaceInstance& dc_face(HFONT font) {
    FontObject* f = gdi::font(font);
    if (!f)
        f = gdi::font(GetStockObject(SYSTEM_FONT));
    return *f->face;
}

HFONT CreateFontIndirect(const LOGFONT& request) {
    auto obj = std::make_unique<FontObject>();
    obj->request = request;
    obj->face = face_for(request);
    return gdi::add_font(std::move(obj));
}

HFONT create_font(std::u16string_view face, double points, bool bold, bool italic, bool underline,
                  bool strikeout) {
    LOGFONT lf;
    lf.face = std::u16string(face);
    lf.height = points > 0 ? -std::max(1, points_to_pixels(points)) : 0;
    lf.weight = bold ? FW_BOLD : FW_NORMAL;
    lf.italic = italic;
    lf.underline = underline;
    lf.strikeout = strikeout;
    return CreateFontIndirect(lf);
}

LOGFONT font_description(HFONT font) {
    FontObject* f = gdi::font(font);
    return f ? f->request : LOGFONT{};
}

} // namespace paginor::platform
