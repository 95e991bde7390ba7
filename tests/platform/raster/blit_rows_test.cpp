#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/blit_rows.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace paginor::platform;
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

TEST(RowKernels, KeyedCopyKeepsTargetWhereTheKeyShowsAndCopiesAlphaElsewhere) {
    const int n = 21;
    std::vector<uint32_t> src(n), dst(n);
    for (int x = 0; x < n; ++x) {
        src[x] = (x % 4 == 1) ? 0xEE00FF00u : 0x11000000u * uint32_t(x % 3) + uint32_t(x);
        dst[x] = 0x00ABCDEFu;
    }
    for (uint32_t key : {0x00FF00u, rows::kNoKey}) {
        SCOPED_TRACE(key);
        std::vector<uint32_t> d = dst;
        rows::keyed_copy(src.data(), d.data(), n, key);
        for (int x = 0; x < n; ++x)
            EXPECT_EQ(d[x], (src[x] & 0xFFFFFF) == key ? dst[x] : src[x]) << "pixel " << x;
    }
}

// Wide rows through BitBlt itself: the block loops and their tails, offsets on both
// sides, and a source that overlaps its target within one bitmap.
TEST(RowKernels, WideBlitsWithinOneBitmapReadTheSourceBeforeWriting) {
    const int w = 70;
    HDC dc = CreateCompatibleDC(0);
    HBITMAP bm = CreateBitmap(w, 2, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, bm);
    std::vector<COLORREF> before(w);
    for (int x = 0; x < w; ++x)
        before[x] = RGB(x * 3, 255 - x, x * 7 % 256);
    for (DWORD rop : {SRCCOPY, SRCINVERT}) {
        for (int x = 0; x < w; ++x)
            SetPixel(dc, x, 0, before[x]);
        ASSERT_TRUE(BitBlt(dc, 5, 0, 60, 1, dc, 2, 0, rop));
        for (int x = 0; x < w; ++x) {
            COLORREF want = before[x];
            if (x >= 5 && x < 65)
                want = rop == SRCCOPY ? before[x - 3] : (before[x - 3] ^ before[x]);
            EXPECT_EQ(GetPixel(dc, x, 0), want) << "rop " << std::hex << rop << " x " << x;
        }
    }
    SelectObject(dc, old);
    DeleteObject(bm);
    DeleteDC(dc);
}
