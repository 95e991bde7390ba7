// Block transfers: the row kernels proved against the bitwise definition of every one of
// the 256 raster operations, and BitBlt / StretchDIBits for what they add around them
// (kind conversion, the brush, clipping, overlap, the transparent device mode, DIB rows).
#include "platform/raster/blit.h"
#include "platform/raster/blit_rows.h"
#include "support/memory_surface.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace paginor::platform;
using paginor::testing_support::MemorySurface;
using paginor::testing_support::row_of;
using rows::Source;

namespace {

// The operation defined bit by bit: result bit = bit (P*4 + S*2 + D) of the index.
uint32_t by_bits(uint8_t op, uint32_t p, uint32_t s, uint32_t d, int width) {
    uint32_t r = 0;
    for (int b = 0; b < width; ++b) {
        int m = int((p >> b) & 1) * 4 + int((s >> b) & 1) * 2 + int((d >> b) & 1);
        r |= uint32_t((op >> m) & 1) << b;
    }
    return r;
}

struct Pairing {
    const char* name;
    Source source;
    bool mono_target;
};

// Every pairing a blit uses; rows long enough for whole blocks and a tail, starting at
// odd offsets, with alpha bits set on colour pixels that the result must drop.
const Pairing kPairings[] = {
    {"words -> colour", Source::Words, false}, {"bits -> colour", Source::Colour, false},
    {"none -> colour", Source::None, false},   {"key -> mono", Source::Key, true},
    {"bits -> mono", Source::Bits, true},      {"words -> mono", Source::Words, true},
    {"none -> mono", Source::None, true},
};

} // namespace

TEST(RowKernels, EveryOperationMatchesTheBitwiseDefinition) {
    std::mt19937 rng(7);
    const int n = 53, offset = 3;
    const uint32_t key = 0x123456;
    std::vector<uint32_t> words(n + offset), masks(n + offset), colour(n + offset);
    std::vector<uint8_t> bits(n + offset), mono(n + offset);
    for (int x = 0; x < n + offset; ++x) {
        words[x] = rng() | 0xFF000000u;
        if (x % 3 == 0)
            words[x] = key | (rng() & 0xFF000000u); // a key match whatever the alpha
        masks[x] = (rng() & 1) ? ~0u : 0u;          // what a monochrome target takes as words
        colour[x] = rng();
        bits[x] = uint8_t(rng() & 1);
        mono[x] = uint8_t(rng() & 1);
    }
    for (const Pairing& pairing : kPairings) {
        const bool to_mono = pairing.mono_target;
        const Source kind = pairing.source;
        const std::vector<uint32_t>& in = to_mono ? masks : words;
        const void* src = kind == Source::Words  ? static_cast<const void*>(in.data() + offset)
                          : kind == Source::Key  ? static_cast<const void*>(words.data() + offset)
                          : kind == Source::None ? nullptr
                                                 : static_cast<const void*>(bits.data() + offset);
        for (int op = 0; op < 256; ++op) {
            SCOPED_TRACE(testing::Message() << pairing.name << " op 0x" << std::hex << op);
            const rows::RowJob job{uint8_t(op), to_mono ? ~0u : 0x5A3CF0, key, 0xA1B2C3, 0x0F1E2D};
            std::vector<uint32_t> d32 = colour;
            std::vector<uint8_t> d8 = mono;
            void* dst = to_mono ? static_cast<void*>(d8.data() + offset)
                                : static_cast<void*>(d32.data() + offset);
            rows::pick(kind, to_mono, uint8_t(op))(job, src, dst, n);
            // The S each element must be read as; the elements before the row stay as they were.
            int first_wrong = -1;
            for (int x = 0; x < n + offset && first_wrong < 0; ++x) {
                const uint32_t s = kind == Source::Words    ? in[x]
                                   : kind == Source::Key    ? uint32_t((words[x] & 0xFFFFFF) == key)
                                   : kind == Source::Bits   ? bits[x]
                                   : kind == Source::Colour ? (bits[x] ? job.one : job.zero)
                                                            : 0;
                const uint32_t want = x < offset ? (to_mono ? mono[x] : colour[x])
                                      : to_mono  ? by_bits(job.op, 1, s & 1, mono[x], 1)
                                                 : by_bits(job.op, job.pattern, s, colour[x], 24);
                if (want != (to_mono ? d8[x] : d32[x]))
                    first_wrong = x;
            }
            EXPECT_EQ(first_wrong, -1);
        }
    }
}

// The device mode's keyed copy, in a block and its tail: the key is matched on the colour
// alone and the alpha goes along. Its pixels otherwise: TransBlt's device path.
TEST(RowKernels, KeyedCopyIgnoresAndCopiesAlpha) {
    const uint32_t src[6] = {0xEE00FF00u, 0x11000001u, 0x2200FF00u,
                             0x33000002u, 0xEE00FF00u, 0x44000003u};
    std::vector<uint32_t> dst(6, 0xAB);
    rows::keyed_copy(src, dst.data(), 6, 0x00FF00u);
    EXPECT_EQ(dst,
              (std::vector<uint32_t>{0xAB, 0x11000001u, 0xAB, 0x33000002u, 0xAB, 0x44000003u}));
}

namespace {

constexpr COLORREF W = 0xFFFFFF, K = 0;

using Row = std::vector<COLORREF>;

} // namespace

// Source and target pixels are chosen so that every combination of bits occurs; the
// expected value converts the source by the desktop's rules and then applies the
// operation's bitwise definition.
TEST(BitBlt, MonoAndColourConversionUnderTheNamedRasterOperations) {
    const Row colour_src{RGB(9, 9, 9), W, K, RGB(200, 100, 50)};
    const Row colour_dst{RGB(0x12, 0x34, 0x56), W, K, RGB(9, 9, 9)};
    const Row mono_src{W, K, W, K};
    const Row mono_dst{W, W, K, K};
    const COLORREF src_bk = RGB(9, 9, 9);                          // colour -> mono: equal is 1
    const COLORREF dst_bk = RGB(1, 2, 3), dst_text = RGB(4, 5, 6); // mono -> colour: 1 bk, 0 text
    const COLORREF brush = RGB(0x0F, 0xF0, 0x33);
    for (DWORD rop : {SRCCOPY, SRCAND, SRCINVERT, SRCPAINT, NOTSRCCOPY, SRCERASE, NOTSRCERASE,
                      MERGEPAINT, MERGECOPY, PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS}) {
        for (int kind = 0; kind < 4; ++kind) {
            bool mono_from = kind & 1, mono_to = kind & 2;
            SCOPED_TRACE(testing::Message() << std::hex << rop << (mono_from ? " mono" : " colour")
                                            << (mono_to ? " -> mono" : " -> colour"));
            MemorySurface src(4, 1, row_of(mono_from ? mono_src : colour_src), mono_from);
            MemorySurface dst(4, 1, row_of(mono_to ? mono_dst : colour_dst), mono_to);
            SetBkColor(src.dc, src_bk);
            SetBkColor(dst.dc, dst_bk);
            SetTextColor(dst.dc, dst_text);
            HBRUSH b = CreateSolidBrush(brush);
            HGDIOBJ old_brush = SelectObject(dst.dc, b);
            Row before = dst.pixels();
            ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, rop));
            Row want;
            for (int x = 0; x < 4; ++x) {
                COLORREF s = mono_from ? mono_src[x] : colour_src[x];
                if (mono_from && !mono_to)
                    s = s == W ? dst_bk : dst_text;
                else if (!mono_from && mono_to)
                    s = s == src_bk ? W : K;
                COLORREF p = mono_to ? (mono_from_colorref(brush) ? W : K) : brush;
                want.push_back(by_bits(uint8_t(rop >> 16), p, s, before[x], 24));
            }
            EXPECT_EQ(dst.pixels(), want);
            SelectObject(dst.dc, old_brush);
            DeleteObject(b);
        }
    }
}

// Wide rows through BitBlt itself: the block loops and their tails, offsets on both
// sides, and a source that overlaps its target within one bitmap.
TEST(BitBlt, WideBlitsWithinOneBitmapReadTheSourceBeforeWriting) {
    const int w = 70;
    Row before(w);
    for (int x = 0; x < w; ++x)
        before[x] = RGB(x * 3, 255 - x, x * 7 % 256);
    for (DWORD rop : {SRCCOPY, SRCINVERT}) {
        MemorySurface s(w, 1, row_of(before));
        ASSERT_TRUE(BitBlt(s.dc, 5, 0, 60, 1, s.dc, 2, 0, rop));
        Row want = before;
        for (int x = 5; x < 65; ++x)
            want[x] = rop == SRCCOPY ? before[x - 3] : (before[x - 3] ^ before[x]);
        EXPECT_EQ(s.pixels(), want) << std::hex << rop;
    }
}

TEST(BitBlt, ClippingAndBadArguments) {
    // (Overlap within one bitmap: the wide blits above.)
    MemorySurface a(5, 1, [](int x, int) { return RGB(x + 1, 0, 0); });
    // Source partly outside its bitmap: only the part that exists lands.
    MemorySurface b(5, 1, row_of({K, K, K, K, K}));
    EXPECT_TRUE(BitBlt(b.dc, 0, 0, 5, 1, a.dc, 3, 0, SRCCOPY));
    EXPECT_EQ(b.pixels(), (Row{RGB(4, 0, 0), RGB(5, 0, 0), K, K, K}));
    // Negative targets clip away; the out-of-range reads are CLR_INVALID.
    EXPECT_TRUE(BitBlt(b.dc, -3, 0, 4, 1, 0, 0, 0, WHITENESS));
    EXPECT_EQ(b.pixels({0, 0, 2, 1}), (Row{W, RGB(5, 0, 0)}));
    EXPECT_EQ(GetPixel(b.dc, 5, 0), CLR_INVALID);
    EXPECT_FALSE(BitBlt(b.dc, 0, 0, 1, 1, 0x12345, 0, 0, SRCCOPY)); // source needed, unknown
    EXPECT_FALSE(BitBlt(0x12345, 0, 0, 1, 1, a.dc, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(b.dc, 0, 0, -1, 1, a.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(b.dc, 0, 0, 0, 0, a.dc, 0, 0, SRCCOPY));
}

TEST(BitBlt, NewTransparentOnlyOnADeviceThatSaysSo) {
    for (bool device : {false, true}) {
        SCOPED_TRACE(device ? "device copies transparently" : "plain device");
        bool saved = display_device().transparent_blt;
        display_device().transparent_blt = device;
        MemorySurface src(3, 1, row_of({RGB(1, 1, 1), RGB(9, 9, 9), RGB(2, 2, 2)}));
        MemorySurface dst(3, 1, row_of({W, W, W}));
        SetBkMode(dst.dc, NEWTRANSPARENT);
        SetBkColor(dst.dc, RGB(9, 9, 9));
        EXPECT_EQ(GetDeviceCaps(dst.dc, CAPS1), device ? C1_TRANSPARENT : 0);
        BitBlt(dst.dc, 0, 0, 3, 1, src.dc, 0, 0, SRCCOPY);
        EXPECT_EQ(dst.pixels(), (Row{RGB(1, 1, 1), device ? W : RGB(9, 9, 9), RGB(2, 2, 2)}));
        display_device().transparent_blt = saved;
    }
}

namespace {

BITMAPINFO header(int w, int h) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    return info;
}

// A 4 x 4 target as text, rows joined by "|": the source's pixels as A-F, black as '.'.
std::string letters(const MemorySurface& s) {
    std::string out;
    for (int y = 0; y < 4; ++y) {
        out += y ? "|" : "";
        for (int x = 0; x < 4; ++x) {
            COLORREF c = GetPixel(s.dc, x, y);
            out += c == 0 ? '.' : char('A' + GetRValue(c) - 1);
        }
    }
    return out;
}

} // namespace

TEST(StretchDIBits, RowOrderScalingAndSourceOrigin) {
    // Buffer rows as stored: A B C / D E F (pixels 0x00RRGGBB).
    const uint32_t bits[] = {0x010000, 0x020000, 0x030000, 0x040000, 0x050000, 0x060000};
    struct Case {
        const char* name;
        int dw, dh, sx, sy, sw, sh, height_sign;
        const char* want;
    };
    const Case cases[] = {
        {"bottom-up: stored first row is the bottom", 3, 2, 0, 0, 3, 2, 1, "DEF.|ABC.|....|...."},
        {"top-down", 3, 2, 0, 0, 3, 2, -1, "ABC.|DEF.|....|...."},
        {"doubled to the nearest pixel", 4, 4, 0, 0, 2, 2, -1, "AABB|AABB|DDEE|DDEE"},
        {"bottom-up source y counts from the bottom", 2, 1, 1, 1, 2, 1, 1, "EF..|....|....|...."},
        {"halved", 2, 1, 0, 0, 3, 2, -1, "AB..|....|....|...."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySurface s(4, 4);
        BITMAPINFO info = header(3, 2 * c.height_sign);
        EXPECT_EQ(
            StretchDIBits(s.dc, 0, 0, c.dw, c.dh, c.sx, c.sy, c.sw, c.sh, bits, &info, 0, SRCCOPY),
            c.sh);
        EXPECT_EQ(letters(s), c.want);
    }
}

TEST(StretchDIBits, RefusesWhatItCannotRead) {
    MemorySurface s(2, 2);
    const uint32_t bits[4] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    BITMAPINFO info = header(2, 2);
    BITMAPINFO depth24 = info;
    depth24.bmiHeader.biBitCount = 24;
    BITMAPINFO rle = info;
    rle.bmiHeader.biCompression = 1;
    EXPECT_EQ(StretchDIBits(s.dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, &depth24, 0, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(s.dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, &rle, 0, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(s.dc, 0, 0, 2, 2, 0, 0, 2, 2, nullptr, &info, 0, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(s.dc, 0, 0, 0, 2, 0, 0, 2, 2, bits, &info, 0, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(0x4242, 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, 0, SRCCOPY), 0);
    EXPECT_EQ(GetPixel(s.dc, 0, 0), 0u);
    // Other raster operations combine with the target.
    fill_solid(s.dc, {0, 0, 2, 2}, RGB(0x0F, 0x0F, 0x0F));
    EXPECT_EQ(StretchDIBits(s.dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, 0, SRCINVERT), 2);
    EXPECT_EQ(GetPixel(s.dc, 1, 1), RGB(0xF0, 0xF0, 0xF0));
}

// Rows written in place give the pixels of a 1:1 StretchDIBits of the same top-down
// buffer, on colour and monochrome targets, wherever the block is cut by the edges.
TEST(WriteDibRows, SamePixelsAsTheBufferCopy) {
    std::vector<uint32_t> bits(6 * 5);
    for (size_t i = 0; i < bits.size(); ++i)
        bits[i] = uint32_t(i * 0x0A1B2C) & 0xFFFFFF;
    const int places[][2] = {{0, 0}, {1, 2}, {-3, -2}, {2, -4}, {-6, 0}};
    for (bool mono : {false, true}) {
        for (const auto& at : places) {
            SCOPED_TRACE(std::to_string(mono) + " " + std::to_string(at[0]) + "," +
                         std::to_string(at[1]));
            MemorySurface copied(5, 4, {}, mono), written(5, 4, {}, mono);
            BITMAPINFO info = header(6, -5);
            StretchDIBits(copied.dc, at[0], at[1], 6, 5, 0, 0, 6, 5, bits.data(), &info, 0,
                          SRCCOPY);
            EXPECT_TRUE(write_dib_rows(written.dc, at[0], at[1], 6, 5,
                                       [&](int row, int first, int count, uint32_t* out) {
                                           for (int i = 0; i < count; ++i)
                                               out[i] = bits[size_t(row) * 6 + first + i];
                                       }));
            EXPECT_EQ(written.pixels(), copied.pixels());
        }
    }
}
