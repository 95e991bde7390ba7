// Fax pictures made here through libtiff's own encoder: several pages of mixed vertical
// resolution stacked into one PNG, a raw G3 strip decoded up to its first bad row, and
// the errors of missing, foreign and oversized inputs.
#include "convert/ImageConverter.h"
#include "convert/convert_error.h"
#include "convert/image/memory_tiff.h"
#include "platform/image/image_codec.h"
#include "support/file_test_dir.h"

#include <gtest/gtest.h>

namespace paginor::convert {
namespace {

struct FaxPage {
    uint32_t rows;
    float y_dpi;
    uint16_t compression;
    uint32_t width = 1728;
};

// Pages of rows each black in its first (row mod 64) * 8 pixels.
std::string fax_tiff(const std::vector<FaxPage>& pages, uint16_t fill = FILLORDER_MSB2LSB) {
    MemoryTiff m;
    TIFF* tif = open_memory_tiff(m, "w");
    for (const FaxPage& p : pages) {
        TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, p.width);
        TIFFSetField(tif, TIFFTAG_IMAGELENGTH, p.rows);
        TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, uint16_t(1));
        TIFFSetField(tif, TIFFTAG_COMPRESSION, p.compression);
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, uint16_t(PHOTOMETRIC_MINISWHITE));
        TIFFSetField(tif, TIFFTAG_FILLORDER, fill);
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, p.rows);
        TIFFSetField(tif, TIFFTAG_XRESOLUTION, 204.0f);
        TIFFSetField(tif, TIFFTAG_YRESOLUTION, p.y_dpi);
        std::vector<uint8_t> row((p.width + 7) / 8);
        for (uint32_t y = 0; y < p.rows; ++y) {
            std::fill(row.begin(), row.end(), 0);
            std::fill_n(row.begin(), y % 64, 0xFF);
            TIFFWriteScanline(tif, row.data(), y, 0);
        }
        TIFFWriteDirectory(tif);
    }
    TIFFClose(tif);
    return m.bytes;
}

// The raw strip of a one-page G3 TIFF.
std::string g3_strip(uint32_t rows, uint16_t fill) {
    MemoryTiff m{fax_tiff({{rows, 98, COMPRESSION_CCITTFAX3}}, fill), 0};
    TIFF* tif = open_memory_tiff(m, "r");
    std::string strip(TIFFRawStripSize(tif, 0), '\0');
    TIFFReadRawStrip(tif, 0, strip.data(), tsize_t(strip.size()));
    TIFFClose(tif);
    return strip;
}

TEST(ImageConverter, StacksPagesAndDecodesRawFax) {
    FileTestDir dir;
    struct Case {
        const char16_t* name;
        std::string bytes;
        int height; // of the PNG
    };
    const Case cases[] = {
        {u"fax.tif",
         fax_tiff({{100, 98, COMPRESSION_CCITTFAX3},
                   {70, 196, COMPRESSION_CCITTFAX4},
                   {30, 98, COMPRESSION_PACKBITS}}),
         100 * 2 + 70 + 30 * 2},
        {u"fax.G3N", g3_strip(80, FILLORDER_LSB2MSB) + std::string(64, '\xFF'), 80 * 2},
        {u"msb.g3n", g3_strip(40, FILLORDER_MSB2LSB), 40 * 2},
    };
    for (const Case& c : cases) {
        dir.write(c.name, c.bytes);
        ImageConverter().convert(dir / c.name, dir / u"page.png");
        std::string png = dir.read(u"page.png");
        platform::Image image =
            platform::decode_image({reinterpret_cast<const uint8_t*>(png.data()), png.size()});
        ASSERT_EQ(image.width, 1728) << to_utf8(c.name);
        EXPECT_EQ(image.height, c.height) << to_utf8(c.name);
        // Row 2 of the first page (drawn twice at half resolution): 16 black pixels.
        int y = 4;
        EXPECT_EQ(image.pixels[y * 1728 + 15], 0xFF000000u) << to_utf8(c.name);
        EXPECT_EQ(image.pixels[y * 1728 + 16], 0xFFFFFFFFu) << to_utf8(c.name);
        if (c.name == std::u16string_view(u"fax.tif")) {
            std::filesystem::copy_file(dir.path() / "page.png",
                                       std::string(PAGINOR_TEST_OUTPUT_DIR) + "/fax_stack.png",
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
}

TEST(ImageConverter, RefusesMissingForeignAndOversizedPictures) {
    FileTestDir dir;
    struct Case {
        const char16_t* name;
        std::string bytes;
        ConvertCode code;
    };
    const Case cases[] = {
        {u"missing.tif", "", ConvertCode::Unreadable},
        {u"letter.tif", "not a picture", ConvertCode::UnknownFormat},
        {u"huge.tif", fax_tiff({{20000, 196, COMPRESSION_CCITTFAX4, 20000}}),
         ConvertCode::TooLarge},
        {u"empty.g3n", std::string(32, '\xFF'), ConvertCode::Damaged},
    };
    for (const Case& c : cases) {
        if (!c.bytes.empty()) {
            dir.write(c.name, c.bytes);
        }
        try {
            ImageConverter().convert(dir / c.name, dir / u"out.png");
            ADD_FAILURE() << to_utf8(c.name) << " converted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), int32_t(0x80040000 + int(c.code))) << to_utf8(c.name);
            EXPECT_EQ(e.source(), kImageSource);
        }
        EXPECT_FALSE(dir.exists(u"out.png")) << to_utf8(c.name);
    }
}

} // namespace
} // namespace paginor::convert
