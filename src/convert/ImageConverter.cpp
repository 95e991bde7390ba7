#include "convert/ImageConverter.h"

#include "convert/convert_error.h"
#include "convert/image/memory_tiff.h"
#include "convert/image/png_rows.h"
#include "platform/files/file.h"
#include "platform/files/path.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace paginor::convert {

namespace {

constexpr uint32_t kFaxWidth = 1728;

using Kind = PngRows::Kind;

// One page decoded: rows of width pixels in the picture's kind, drawn twice each when
// doubled.
struct Page {
    uint32_t width{0};
    uint32_t height{0};
    bool doubled{false};
    std::vector<uint8_t> pixels;
};

size_t stride(uint32_t width, Kind kind) {
    return kind == Kind::Bits ? (size_t(width) + 7) / 8
                              : size_t(width) * (kind == Kind::Rgb ? 3 : 1);
}

struct TiffCloser {
    void operator()(TIFF* t) const { TIFFClose(t); }
};
using TiffPtr = std::unique_ptr<TIFF, TiffCloser>;

bool ends_with_ignore_case(std::u16string_view name, std::u16string_view tail) {
    if (name.size() < tail.size()) {
        return false;
    }
    for (size_t i = 0; i < tail.size(); ++i) {
        char16_t c = name[name.size() - tail.size() + i];
        if ((c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c) != tail[i]) {
            return false;
        }
    }
    return true;
}

// Rows of a raw G3 strip up to the first one the decoder reports bad, packed, black 0.
Page decode_g3(std::string_view strip, uint16_t fill_order) {
    auto max_rows = uint32_t(std::min<uint64_t>(strip.size() * 8 / 12 + 1, kMaxPixels / kFaxWidth));
    MemoryTiff m = wrap_g3(strip, max_rows, fill_order);
    TiffPtr tif(open_memory_tiff(m, "r"));
    Page page{kFaxWidth, 0, true, {}};
    if (!tif) {
        return page;
    }
    std::vector<uint8_t> bits(kFaxWidth / 8);
    for (uint32_t row = 0; row < max_rows; ++row) {
        unsigned errors = tiff_errors();
        if (TIFFReadScanline(tif.get(), bits.data(), row, 0) < 0 || tiff_errors() != errors) {
            break;
        }
        // Fax marks black with 1, a grey PNG with 0.
        for (uint8_t b : bits) {
            page.pixels.push_back(uint8_t(~b));
        }
        ++page.height;
    }
    return page;
}

struct Shape {
    uint32_t width{0};
    uint32_t height{0};
    bool doubled{false};
    Kind kind{Kind::Rgb};
};

// The current directory's size and look, from its tags.
Shape shape_of(TIFF* tif) {
    Shape s;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &s.width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &s.height);
    float x = 0;
    float y = 0;
    // A fax page in normal mode has about half the lines per inch it has dots.
    if (TIFFGetField(tif, TIFFTAG_XRESOLUTION, &x) && TIFFGetField(tif, TIFFTAG_YRESOLUTION, &y)) {
        s.doubled = y > 0 && x > 0 && y * 1.5f < x;
    }
    uint16_t samples = 1;
    uint16_t bits = 1;
    uint16_t photometric = PHOTOMETRIC_MINISWHITE;
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric);
    bool grey = samples == 1 &&
                (photometric == PHOTOMETRIC_MINISWHITE || photometric == PHOTOMETRIC_MINISBLACK);
    s.kind = !grey ? Kind::Rgb : bits == 1 && !TIFFIsTiled(tif) ? Kind::Bits : Kind::Grey;
    return s;
}

// A bilevel page row by row as libtiff decodes it, black made 0.
Page decode_bits_page(TIFF* tif, const Shape& s, std::u16string_view path) {
    uint16_t photometric = PHOTOMETRIC_MINISWHITE;
    TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric);
    size_t row_bytes = stride(s.width, Kind::Bits);
    Page page{s.width, s.height, s.doubled, std::vector<uint8_t>(row_bytes * s.height)};
    if (size_t(TIFFScanlineSize64(tif)) != row_bytes) {
        raise_convert(ConvertCode::Damaged, kImageSource, path, u"A page of the TIFF is damaged");
    }
    for (uint32_t y = 0; y < s.height; ++y) {
        uint8_t* row = page.pixels.data() + y * row_bytes;
        if (TIFFReadScanline(tif, row, y, 0) < 0) {
            raise_convert(ConvertCode::Damaged, kImageSource, path,
                          u"A page of the TIFF is damaged");
        }
        if (photometric == PHOTOMETRIC_MINISWHITE) {
            for (size_t k = 0; k < row_bytes; ++k) {
                row[k] = uint8_t(~row[k]);
            }
        }
    }
    return page;
}

Page decode_tiff_page(TIFF* tif, const Shape& s, Kind kind, std::u16string_view path) {
    if (kind == Kind::Bits) {
        return decode_bits_page(tif, s, path);
    }
    std::vector<uint32_t> raster(size_t(s.width) * s.height);
    if (!TIFFReadRGBAImageOriented(tif, s.width, s.height, raster.data(), ORIENTATION_TOPLEFT, 0)) {
        raise_convert(ConvertCode::Damaged, kImageSource, path, u"A page of the TIFF is damaged");
    }
    Page page{s.width, s.height, s.doubled, {}};
    page.pixels.reserve(raster.size() * (kind == Kind::Grey ? 1 : 3));
    for (uint32_t abgr : raster) {
        if (kind == Kind::Grey) {
            page.pixels.push_back(uint8_t(TIFFGetR(abgr)));
        } else {
            page.pixels.insert(page.pixels.end(), {uint8_t(TIFFGetR(abgr)), uint8_t(TIFFGetG(abgr)),
                                                   uint8_t(TIFFGetB(abgr))});
        }
    }
    return page;
}

class PngTarget {
  public:
    PngTarget(std::u16string_view target)
        : m_target(target), m_part(std::u16string(target) + u".part~") {}
    ~PngTarget() {
        if (m_file != nullptr) {
            std::fclose(m_file);
        }
        if (!m_done) {
            std::remove(platform::native_path(m_part).c_str());
        }
    }

    void begin(uint32_t width, uint32_t height, Kind kind) {
        m_kind = kind;
        m_file = std::fopen(platform::native_path(m_part).c_str(), "wb");
        check(m_file != nullptr && m_png.begin(m_file, width, height, kind));
        m_row.assign(stride(width, kind), 255);
    }

    // The page's rows at the left of the picture, white beyond them.
    void put(const Page& page) {
        size_t n = stride(page.width, m_kind);
        uint8_t tail =
            m_kind == Kind::Bits && page.width % 8 != 0 ? uint8_t(0xFF >> (page.width % 8)) : 0;
        for (uint32_t y = 0; y < page.height; ++y) {
            std::copy_n(page.pixels.begin() + y * n, n, m_row.begin());
            if (tail != 0) {
                m_row[n - 1] |= tail;
            }
            for (int k = 0; k < (page.doubled ? 2 : 1); ++k) {
                check(m_png.row(m_row.data()));
            }
        }
        std::fill(m_row.begin(), m_row.end(), 255);
    }

    void finish() {
        check(m_png.end() && std::fclose(m_file) == 0);
        m_file = nullptr;
        check(std::rename(platform::native_path(m_part).c_str(),
                          platform::native_path(m_target).c_str()) == 0);
        m_done = true;
    }

  private:
    void check(bool ok) {
        if (!ok) {
            raise_convert(ConvertCode::WriteFailed, kImageSource, m_target,
                          u"The picture cannot be written");
        }
    }

    std::u16string m_target;
    std::u16string m_part;
    FILE* m_file{nullptr};
    PngRows m_png;
    Kind m_kind{Kind::Grey};
    bool m_done{false};
    std::vector<uint8_t> m_row;
};

void check_size(uint64_t width, uint64_t height, std::u16string_view path) {
    if (width == 0 || height == 0) {
        raise_convert(ConvertCode::Damaged, kImageSource, path, u"The picture holds no rows");
    }
    if (width * height > kMaxPixels) {
        raise_convert(ConvertCode::TooLarge, kImageSource, path,
                      u"The picture is larger than 128 Mi pixels");
    }
}

void convert_g3(std::string_view bytes, std::u16string_view source, std::u16string_view target) {
    Page msb = decode_g3(bytes, FILLORDER_MSB2LSB);
    Page lsb = decode_g3(bytes, FILLORDER_LSB2MSB);
    const Page& page = lsb.height > msb.height ? lsb : msb;
    check_size(page.width, uint64_t(page.height) * 2, source);
    PngTarget png(target);
    png.begin(page.width, page.height * 2, Kind::Bits);
    png.put(page);
    png.finish();
}

void convert_tiff(std::string bytes, std::u16string_view source, std::u16string_view target) {
    MemoryTiff m{std::move(bytes), 0};
    TiffPtr tif(open_memory_tiff(m, "r"));
    if (!tif) {
        raise_convert(ConvertCode::Damaged, kImageSource, source, u"The TIFF cannot be read");
    }
    std::vector<Shape> shapes;
    uint64_t width = 0;
    uint64_t height = 0;
    Kind kind = Kind::Bits; // the least every page fits in
    do {
        Shape s = shape_of(tif.get());
        check_size(s.width, s.height, source);
        if (s.kind != Kind::Bits && uint64_t(s.width) * s.height > kMaxColourPagePixels) {
            raise_convert(ConvertCode::TooLarge, kImageSource, source,
                          u"A grey or colour page is larger than 64 Mi pixels");
        }
        shapes.push_back(s);
        width = std::max<uint64_t>(width, s.width);
        height += uint64_t(s.height) * (s.doubled ? 2 : 1);
        kind = std::max(kind, s.kind);
        check_size(width, height, source);
    } while (TIFFReadDirectory(tif.get()));
    PngTarget png(target);
    png.begin(uint32_t(width), uint32_t(height), kind);
    for (size_t i = 0; i < shapes.size(); ++i) {
        TIFFSetDirectory(tif.get(), tdir_t(i));
        png.put(decode_tiff_page(tif.get(), shapes[i], kind, source));
    }
    png.finish();
}

} // namespace

void ImageConverter::convert(std::u16string_view source, std::u16string_view target) {
    std::string bytes;
    try {
        bytes = platform::read_file_bytes(source);
    } catch (const RuntimeError& e) {
        raise_convert(ConvertCode::Unreadable, kImageSource, source,
                      u"The picture cannot be read (" + e.description() + u")");
    }
    if (bytes.starts_with(std::string_view("II*\0", 4)) ||
        bytes.starts_with(std::string_view("MM\0*", 4))) {
        convert_tiff(std::move(bytes), source, target);
    } else if (ends_with_ignore_case(source, u".g3n") || ends_with_ignore_case(source, u".g3")) {
        convert_g3(bytes, source, target);
    } else {
        raise_convert(ConvertCode::UnknownFormat, kImageSource, source,
                      u"The file is neither a TIFF nor a G3 fax");
    }
}

} // namespace paginor::convert
