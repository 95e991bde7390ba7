#include "convert/image/memory_tiff.h"

#include <algorithm>
#include <cstring>

namespace paginor::convert {

namespace {

thread_local unsigned t_errors = 0;

void count_error(const char*, const char*, va_list) {
    ++t_errors;
}

void ignore_warning(const char*, const char*, va_list) {}

MemoryTiff& of(thandle_t h) {
    return *static_cast<MemoryTiff*>(h);
}

tsize_t read_proc(thandle_t h, tdata_t buffer, tsize_t size) {
    MemoryTiff& m = of(h);
    uint64_t n = m.at >= m.bytes.size() ? 0 : std::min<uint64_t>(size, m.bytes.size() - m.at);
    std::memcpy(buffer, m.bytes.data() + m.at, n);
    m.at += n;
    return tsize_t(n);
}

tsize_t write_proc(thandle_t h, tdata_t buffer, tsize_t size) {
    MemoryTiff& m = of(h);
    if (m.bytes.size() < m.at + uint64_t(size)) {
        m.bytes.resize(m.at + size);
    }
    std::memcpy(m.bytes.data() + m.at, buffer, size);
    m.at += size;
    return size;
}

toff_t seek_proc(thandle_t h, toff_t offset, int whence) {
    MemoryTiff& m = of(h);
    uint64_t base = whence == SEEK_CUR ? m.at : whence == SEEK_END ? m.bytes.size() : 0;
    m.at = base + offset;
    return m.at;
}

int close_proc(thandle_t) {
    return 0;
}

toff_t size_proc(thandle_t h) {
    return of(h).bytes.size();
}

int map_proc(thandle_t, tdata_t*, toff_t*) {
    return 0;
}

void unmap_proc(thandle_t, tdata_t, toff_t) {}

} // namespace

unsigned tiff_errors() {
    static const bool installed = [] {
        TIFFSetErrorHandler(&count_error);
        TIFFSetWarningHandler(&ignore_warning);
        return true;
    }();
    (void)installed;
    return t_errors;
}

TIFF* open_memory_tiff(MemoryTiff& m, const char* mode) {
    tiff_errors();
    m.at = 0;
    return TIFFClientOpen("memory", mode, &m, read_proc, write_proc, seek_proc, close_proc,
                          size_proc, map_proc, unmap_proc);
}

MemoryTiff wrap_g3(std::string_view strip, uint32_t max_rows, uint16_t fill_order) {
    MemoryTiff m;
    TIFF* tif = open_memory_tiff(m, "w");
    if (tif == nullptr) {
        return m;
    }
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, uint32_t(1728));
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, max_rows);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, uint16_t(1));
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, uint16_t(1));
    TIFFSetField(tif, TIFFTAG_COMPRESSION, uint16_t(COMPRESSION_CCITTFAX3));
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, uint16_t(PHOTOMETRIC_MINISWHITE));
    TIFFSetField(tif, TIFFTAG_FILLORDER, fill_order);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, max_rows);
    TIFFSetField(tif, TIFFTAG_XRESOLUTION, 204.0f);
    TIFFSetField(tif, TIFFTAG_YRESOLUTION, 98.0f);
    TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, uint16_t(RESUNIT_INCH));
    TIFFSetField(tif, TIFFTAG_GROUP3OPTIONS, uint32_t(0));
    TIFFWriteRawStrip(tif, 0, const_cast<char*>(strip.data()), tsize_t(strip.size()));
    TIFFClose(tif);
    return m;
}

} // namespace paginor::convert
