#include "platform/image/image_codec.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/gdi.h"
#include "support/raises.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace paginor;
using namespace paginor::platform;
using paginor::test::error_of;

namespace {

using Bytes = std::vector<uint8_t>;
using Pixels = std::vector<uint32_t>;

// Appends v little-endian in n bytes.
void put(Bytes& b, uint32_t v, int n = 4) {
    for (int i = 0; i < n; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}

// A BITMAPINFOHEADER followed by palette and rows as given.
Bytes dib(int w, int h, int bits, const Pixels& palette, const Bytes& rows) {
    Bytes b;
    put(b, 40);
    put(b, uint32_t(w));
    put(b, uint32_t(h));
    put(b, 1, 2);
    put(b, uint32_t(bits), 2);
    for (int i = 0; i < 6; ++i)
        put(b, i == 4 ? uint32_t(palette.size()) : 0);
    for (uint32_t c : palette)
        put(b, c);
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

// A BMP file around a DIB: the pixels start after the header and the palette.
Bytes bmp_file(const Bytes& info) {
    Bytes b{'B', 'M'};
    put(b, uint32_t(14 + info.size()));
    put(b, 0);
    put(b, 14 + 40 + (uint32_t(info[32]) | uint32_t(info[33]) << 8) * 4);
    b.insert(b.end(), info.begin(), info.end());
    return b;
}

// An icon file with one w x h image of the given depth.
Bytes ico_file(int w, int h, int bits, const Bytes& data) {
    Bytes b{0, 0, 1, 0, 1, 0, uint8_t(w), uint8_t(h), 0, 0, 1, 0};
    put(b, uint32_t(bits), 2);
    put(b, uint32_t(data.size()));
    put(b, 22);
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

// Width, height and transparency of a decoded picture in one comparable line.
std::string shape(const Image& img) {
    return std::to_string(img.width) + "x" + std::to_string(img.height) +
           (img.has_alpha ? " alpha" : " opaque");
}

} // namespace

// Saved under another format's name, read back by content.
TEST(ImageCodec, PngRoundTripKeepsAlphaAndBitmapsCarryIt) {
    Image img{.width = 3,
              .height = 2,
              .has_alpha = true,
              .pixels = {0xFF102030, 0x80405060, 0x00000000, 0xFFFFFFFF, 0x01020304, 0xFF000000}};
    std::filesystem::create_directories(PAGINOR_TEST_OUTPUT_DIR);
    const std::string path = std::string(PAGINOR_TEST_OUTPUT_DIR) + "/really_a_png.gif";
    save_png(img, path);
    Image back = load_image_file(path);
    EXPECT_EQ(back.format, ImageFormat::Png);
    EXPECT_EQ(shape(back), "3x2 alpha");
    EXPECT_EQ(back.pixels, img.pixels);

    GdiCounts before = gdi_object_counts();
    HBITMAP bm = create_bitmap_from_image(back);
    EXPECT_TRUE(bitmap_object(bm)->has_alpha());
    EXPECT_EQ(bitmap_object(bm)->pixel(0, 0), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(image_from_bitmap(bm).pixels, img.pixels);
    DeleteObject(bm);
    EXPECT_EQ(gdi_object_counts(), before);

    // Without alpha the export is opaque RGB.
    img.has_alpha = false;
    Image opaque = decode_image(encode_png(img));
    EXPECT_FALSE(opaque.has_alpha);
    EXPECT_EQ(opaque.pixels[1], 0xFF405060u);

    EXPECT_EQ(error_of([&] { load_image_file(path + ".missing"); }), 53);
    EXPECT_EQ(error_of([] { decode_image(Bytes{'h', 'e', 'l', 'l', 'o'}); }), 481);
    Bytes truncated = encode_png(img);
    truncated.resize(truncated.size() / 2);
    EXPECT_EQ(error_of([&] { decode_image(truncated); }), 481);
    EXPECT_EQ(error_of([] { encode_png(Image{}); }), 481);
}

TEST(ImageCodec, BmpDepthsRowOrderAndPadding) {
    // 24 bpp 2x2 bottom-up, rows padded to 4 bytes: bottom row blue, white; top red, green.
    const Bytes rows24{0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
    struct Case {
        const char* name;
        Bytes file;
        const char* shape;
        Pixels pixels; // top row first
    };
    // clang-format off
    const Case cases[] = {
        {"24 bpp", bmp_file(dib(2, 2, 24, {}, rows24)), "2x2 opaque",
         {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}},
        {"8 bpp paletted", bmp_file(dib(2, 1, 8, {0x00112233, 0x00AABBCC}, {1, 0, 0, 0})),
         "2x1 opaque", {0xFFAABBCC, 0xFF112233}},
        {"1 bpp: bits 101", bmp_file(dib(3, 1, 1, {0x00000000, 0x00FFFFFF}, {0xA0, 0, 0, 0})),
         "3x1 opaque", {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}},
        {"32 bpp top-down, alpha bytes all 0: opaque",
         bmp_file(dib(1, -2, 32, {}, {0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0})), "1x2 opaque",
         {0xFF332211, 0xFF665544}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(sniff_image_format(c.file), ImageFormat::Bmp);
        Image img = decode_image(c.file);
        EXPECT_EQ(shape(img), c.shape);
        EXPECT_EQ(img.pixels, c.pixels);
    }
    Bytes cut = bmp_file(dib(2, 2, 24, {}, rows24));
    cut.resize(cut.size() - 6);
    EXPECT_EQ(error_of([&] { decode_image(cut); }), 481);
}

TEST(ImageCodec, IconsKeepTransparencyFromMaskAlphaOrPng) {
    // 24 bpp 2x2 with an AND mask (the last 8 bytes) making the bottom-left pixel transparent.
    const Bytes with_mask{0,    0,    0xFF, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF,
                          0xFF, 0xFF, 0,    0, 0x80, 0, 0, 0, 0,    0, 0, 0};
    Image a = decode_image(ico_file(2, 2, 24, dib(2, 4, 24, {}, with_mask)));
    EXPECT_EQ(a.format, ImageFormat::Ico);
    EXPECT_TRUE(a.has_alpha);
    EXPECT_EQ(a.pixels, (Pixels{0xFF0000FF, 0xFFFFFFFF, 0x00000000, 0xFF00FF00}));

    // 32 bpp: alpha straight from the pixels.
    Bytes argb{0x10, 0x20, 0x30, 0x80, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(decode_image(ico_file(1, 1, 32, dib(1, 2, 32, {}, argb))).pixels, Pixels{0x80302010});

    Image png{.width = 1, .height = 1, .has_alpha = true, .pixels = {0x40FF0000}};
    EXPECT_EQ(decode_image(ico_file(1, 1, 32, encode_png(png))).pixels, png.pixels);
}

namespace {

// A sample from the test data folder, as bytes.
Bytes sample(const char* name) {
    std::ifstream in(std::string(PAGINOR_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

} // namespace

// sample_16x8.jpg is 16 x 8 of RGB(200, 40, 90) at quality 95; sample_3x2.gif has the
// colours red, green, blue and a transparent index 3, in rows 0 1 2 / 3 0 1.
TEST(ImageCodec, JpegAndFirstGifFrame) {
    Bytes jpeg = sample("sample_16x8.jpg");
    ASSERT_EQ(sniff_image_format(jpeg), ImageFormat::Jpeg);
    Image j = decode_image(jpeg);
    EXPECT_EQ(shape(j), "16x8 opaque");
    uint32_t p = j.pixels[5 * 16 + 7];
    EXPECT_EQ(p >> 24, 0xFFu);
    const int rgb[] = {200, 40, 90};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(int(p >> (16 - 8 * i) & 0xFF), rgb[i], 4);
    jpeg.resize(20);
    EXPECT_EQ(error_of([&] { decode_image(jpeg); }), 481);

    Bytes gif = sample("sample_3x2.gif");
    ASSERT_EQ(sniff_image_format(gif), ImageFormat::Gif);
    Image g = decode_image(gif);
    EXPECT_TRUE(g.has_alpha);
    EXPECT_EQ(g.pixels,
              (Pixels{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000, 0xFFFF0000, 0xFF00FF00}));
}
