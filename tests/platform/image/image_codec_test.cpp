#include "platform/core/error.h"
#include "platform/image/image_codec.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/gdi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <gif_lib.h>
#include <jpeglib.h>

using namespace paginor;
using namespace paginor::platform;

namespace {

using Bytes = std::vector<uint8_t>;

void put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(Bytes& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// A BITMAPINFOHEADER followed by palette and rows as given.
Bytes dib(int w, int h, int bits, const std::vector<uint32_t>& palette, const Bytes& rows) {
    Bytes b;
    put32(b, 40);
    put32(b, uint32_t(w));
    put32(b, uint32_t(h));
    put16(b, 1);
    put16(b, uint32_t(bits));
    for (int i = 0; i < 6; ++i)
        put32(b, i == 4 ? uint32_t(palette.size()) : 0);
    for (uint32_t c : palette)
        put32(b, c);
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

Bytes bmp_file(const Bytes& info) {
    Bytes b{'B', 'M'};
    put32(b, uint32_t(14 + info.size()));
    put32(b, 0);
    uint32_t palette_bytes = 0;
    uint32_t header = 40 + palette_bytes;
    uint32_t colours = uint32_t(info[32]) | uint32_t(info[33]) << 8;
    put32(b, 14 + header + colours * 4);
    b.insert(b.end(), info.begin(), info.end());
    return b;
}

Bytes ico_file(int w, int h, int bits, const Bytes& data) {
    Bytes b;
    put16(b, 0);
    put16(b, 1);
    put16(b, 1);
    b.push_back(uint8_t(w));
    b.push_back(uint8_t(h));
    b.push_back(0);
    b.push_back(0);
    put16(b, 1);
    put16(b, uint32_t(bits));
    put32(b, uint32_t(data.size()));
    put32(b, 22);
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

int error_number(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(ImageCodec, PngRoundTripKeepsAlphaAndBitmapsCarryIt) {
    Image img;
    img.width = 3;
    img.height = 2;
    img.has_alpha = true;
    img.pixels = {0xFF102030, 0x80405060, 0x00000000, 0xFFFFFFFF, 0x01020304, 0xFF000000};
    Bytes png = encode_png(img);
    EXPECT_EQ(sniff_image_format(png), ImageFormat::Png);
    Image back = decode_image(png);
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_TRUE(back.has_alpha);
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
}

TEST(ImageCodec, RecognisedByContentNotByName) {
    namespace fs = std::filesystem;
    fs::create_directories(PAGINOR_TEST_OUTPUT_DIR);
    std::string path = std::string(PAGINOR_TEST_OUTPUT_DIR) + "/really_a_png.gif";
    Image img;
    img.width = img.height = 1;
    img.pixels = {0xFFABCDEF};
    save_png(img, path);
    Image back = load_image_file(path);
    EXPECT_EQ(back.format, ImageFormat::Png);
    EXPECT_EQ(back.pixels[0], 0xFFABCDEFu);
    EXPECT_EQ(error_number([&] { load_image_file(path + ".missing"); }), 53);
    EXPECT_EQ(error_number([] { decode_image(Bytes{'h', 'e', 'l', 'l', 'o'}); }), 481);
    Bytes truncated = encode_png(img);
    truncated.resize(truncated.size() / 2);
    EXPECT_EQ(error_number([&] { decode_image(truncated); }), 481);
    EXPECT_EQ(error_number([] { encode_png(Image{}); }), 481);
}

TEST(ImageCodec, BmpDepthsRowOrderAndPadding) {
    struct Case {
        const char* name;
        Bytes file;
        int w, h;
        std::vector<uint32_t> pixels; // top row first
    };
    // 24 bpp 2x2 bottom-up, rows padded to 4 bytes: bottom row blue, white; top red, green.
    Bytes rows24{0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
    // 8 bpp 2x1 paletted.
    Bytes rows8{1, 0, 0, 0};
    // 1 bpp 3x1: bits 101.
    Bytes rows1{0xA0, 0, 0, 0};
    // 32 bpp top-down 1x2 with all alpha bytes 0: opaque.
    Bytes rows32{0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0};
    const Case cases[] = {
        {"24 bpp",
         bmp_file(dib(2, 2, 24, {}, rows24)),
         2,
         2,
         {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}},
        {"8 bpp",
         bmp_file(dib(2, 1, 8, {0x00112233, 0x00AABBCC}, rows8)),
         2,
         1,
         {0xFFAABBCC, 0xFF112233}},
        {"1 bpp",
         bmp_file(dib(3, 1, 1, {0x00000000, 0x00FFFFFF}, rows1)),
         3,
         1,
         {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}},
        {"32 bpp top-down", bmp_file(dib(1, -2, 32, {}, rows32)), 1, 2, {0xFF332211, 0xFF665544}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(sniff_image_format(c.file), ImageFormat::Bmp);
        Image img = decode_image(c.file);
        EXPECT_EQ(img.width, c.w);
        EXPECT_EQ(img.height, c.h);
        EXPECT_FALSE(img.has_alpha);
        EXPECT_EQ(img.pixels, c.pixels);
    }
    Bytes cut = bmp_file(dib(2, 2, 24, {}, rows24));
    cut.resize(cut.size() - 6);
    EXPECT_EQ(error_number([&] { decode_image(cut); }), 481);
}

TEST(ImageCodec, IconsKeepTransparencyFromMaskAlphaOrPng) {
    // 24 bpp 2x2 with an AND mask making the bottom-left pixel transparent.
    Bytes colour{0, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0};
    Bytes mask{0x80, 0, 0, 0, 0x00, 0, 0, 0};
    Bytes with_mask = colour;
    with_mask.insert(with_mask.end(), mask.begin(), mask.end());
    Image a = decode_image(ico_file(2, 2, 24, dib(2, 4, 24, {}, with_mask)));
    EXPECT_EQ(a.format, ImageFormat::Ico);
    EXPECT_TRUE(a.has_alpha);
    EXPECT_EQ(a.pixels, (std::vector<uint32_t>{0xFF0000FF, 0xFFFFFFFF, 0x00000000, 0xFF00FF00}));

    // 32 bpp: alpha straight from the pixels.
    Bytes argb{0x10, 0x20, 0x30, 0x80, 0, 0, 0, 0, 0, 0, 0, 0};
    Image b = decode_image(ico_file(1, 1, 32, dib(1, 2, 32, {}, argb)));
    EXPECT_EQ(b.pixels, (std::vector<uint32_t>{0x80302010}));

    Image png_img;
    png_img.width = png_img.height = 1;
    png_img.has_alpha = true;
    png_img.pixels = {0x40FF0000};
    Image c = decode_image(ico_file(1, 1, 32, encode_png(png_img)));
    EXPECT_EQ(c.pixels, png_img.pixels);
}

namespace {

Bytes make_jpeg(int w, int h, uint8_t r, uint8_t g, uint8_t b) {
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(w);
    info.image_height = JDIMENSION(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(size_t(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[size_t(x) * 3] = r;
        row[size_t(x) * 3 + 1] = g;
        row[size_t(x) * 3 + 2] = b;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    Bytes bytes(out, out + size);
    jpeg_destroy_compress(&info);
    free(out);
    return bytes;
}

int write_gif(GifFileType* gif, const GifByteType* data, int n) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + n);
    return n;
}

// A 3x2 GIF with four colours; index 3 is transparent.
Bytes make_gif() {
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, write_gif, &error);
    GifColorType colours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifPutScreenDesc(gif, 3, 2, 2, 0, map);
    GraphicsControlBlock gcb{};
    gcb.TransparentColor = 3;
    gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
    GifByteType ext[4];
    size_t len = EGifGCBToExtension(&gcb, ext);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(len), ext);
    EGifPutImageDesc(gif, 0, 0, 3, 2, false, nullptr);
    GifPixelType rows[2][3] = {{0, 1, 2}, {3, 0, 1}};
    EGifPutLine(gif, rows[0], 3);
    EGifPutLine(gif, rows[1], 3);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

} // namespace

TEST(ImageCodec, JpegAndFirstGifFrame) {
    Bytes jpeg = make_jpeg(16, 8, 200, 40, 90);
    ASSERT_EQ(sniff_image_format(jpeg), ImageFormat::Jpeg);
    Image j = decode_image(jpeg);
    EXPECT_EQ(j.width, 16);
    EXPECT_EQ(j.height, 8);
    EXPECT_FALSE(j.has_alpha);
    uint32_t p = j.pixels[5 * 16 + 7];
    EXPECT_EQ(p >> 24, 0xFFu);
    EXPECT_NEAR(int((p >> 16) & 0xFF), 200, 4);
    EXPECT_NEAR(int((p >> 8) & 0xFF), 40, 4);
    EXPECT_NEAR(int(p & 0xFF), 90, 4);
    jpeg.resize(20);
    EXPECT_EQ(error_number([&] { decode_image(jpeg); }), 481);

    Bytes gif = make_gif();
    ASSERT_EQ(sniff_image_format(gif), ImageFormat::Gif);
    Image g = decode_image(gif);
    EXPECT_TRUE(g.has_alpha);
    EXPECT_EQ(g.pixels, (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000,
                                               0xFFFF0000, 0xFF00FF00}));
}
