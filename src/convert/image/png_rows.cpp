#include "convert/image/png_rows.h"

#include <png.h>

namespace paginor::convert {

namespace {
void quiet_warning(png_structp, png_const_charp) {}
} // namespace

// libpng reports failure by jumping back to the setjmp of the call that failed; none of
// these functions holds anything that needs a destructor across it.
PngRows::~PngRows() {
    if (m_png != nullptr) {
        png_destroy_write_struct(&m_png, &m_info);
    }
}

bool PngRows::begin(FILE* file, uint32_t width, uint32_t height, Kind kind) {
    m_png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, &quiet_warning);
    if (m_png == nullptr) {
        return false;
    }
    m_info = png_create_info_struct(m_png);
    if (m_info == nullptr || setjmp(png_jmpbuf(m_png)) != 0) {
        return false;
    }
    png_init_io(m_png, file);
    // Fax pages are long white runs: the fastest level and no row filters compress them
    // nearly as well as the slowest.
    png_set_compression_level(m_png, kind == Kind::Bits ? 1 : 3);
    if (kind == Kind::Bits) {
        png_set_filter(m_png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    }
    png_set_IHDR(m_png, m_info, width, height, kind == Kind::Bits ? 1 : 8,
                 kind == Kind::Rgb ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(m_png, m_info);
    return true;
}

bool PngRows::row(const uint8_t* pixels) {
    if (setjmp(png_jmpbuf(m_png)) != 0) {
        return false;
    }
    png_write_row(m_png, pixels);
    return true;
}

bool PngRows::end() {
    if (setjmp(png_jmpbuf(m_png)) != 0) {
        return false;
    }
    png_write_end(m_png, m_info);
    return true;
}

} // namespace paginor::convert
