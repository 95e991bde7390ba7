#include "platform/raster/blit_rows.h"

#include <emmintrin.h>

namespace paginor::platform::rows {

namespace {

// Kernels run over blocks of 16 elements: four SSE registers of colour pixels, or one of
// monochrome bytes, whichever the target holds. Sources are widened or narrowed into
// the target's shape once per block; the tail runs the same formulas one element at a
// time. (SSE2 is part of every x86-64, the only machine this layer is built for.)
constexpr int kBlock = 16;
constexpr uint32_t kColourBits = 0xFFFFFF;

__m128i load(const void* row, int index) {
    return _mm_loadu_si128(static_cast<const __m128i*>(row) + index);
}
void store(void* row, int index, __m128i v) {
    _mm_storeu_si128(static_cast<__m128i*>(row) + index, v);
}

// Sixteen 0/1 bytes as four registers of all-ones (byte set) or all-zeros pixel masks.
void widen_bits(__m128i bytes, __m128i out[4]) {
    __m128i set = _mm_xor_si128(_mm_cmpeq_epi8(bytes, _mm_setzero_si128()), _mm_set1_epi8(-1));
    __m128i lo = _mm_unpacklo_epi8(set, set), hi = _mm_unpackhi_epi8(set, set);
    out[0] = _mm_unpacklo_epi16(lo, lo);
    out[1] = _mm_unpackhi_epi16(lo, lo);
    out[2] = _mm_unpacklo_epi16(hi, hi);
    out[3] = _mm_unpackhi_epi16(hi, hi);
}

// Four registers of all-ones/all-zeros words as sixteen bytes of the same.
__m128i narrow_masks(const __m128i m[4]) {
    return _mm_packs_epi16(_mm_packs_epi32(m[0], m[1]), _mm_packs_epi32(m[2], m[3]));
}

// A source kind: `colour` fills the four registers of a colour block, `mono` gives the
// bytes of a monochrome block, `one` converts element x alone.
template <Source S> struct Load;

template <> struct Load<Source::None> {
    static void colour(const RowJob&, const void*, int, __m128i out[4]) {
        for (int k = 0; k < 4; ++k)
            out[k] = _mm_setzero_si128();
    }
    static __m128i mono(const RowJob&, const void*, int) { return _mm_setzero_si128(); }
    static uint32_t one(const RowJob&, const void*, int) { return 0; }
};

template <> struct Load<Source::Words> {
    static void colour(const RowJob&, const void* s, int x, __m128i out[4]) {
        for (int k = 0; k < 4; ++k)
            out[k] = load(static_cast<const uint32_t*>(s) + x, k);
    }
    static __m128i mono(const RowJob& j, const void* s, int x) {
        __m128i w[4];
        colour(j, s, x, w);
        return narrow_masks(w);
    }
    static uint32_t one(const RowJob&, const void* s, int x) {
        return static_cast<const uint32_t*>(s)[x];
    }
};

template <> struct Load<Source::Key> {
    static __m128i mono(const RowJob& j, const void* s, int x) {
        const __m128i bits = _mm_set1_epi32(int(kColourBits)), key = _mm_set1_epi32(int(j.key));
        __m128i m[4];
        for (int k = 0; k < 4; ++k)
            m[k] = _mm_cmpeq_epi32(
                _mm_and_si128(load(static_cast<const uint32_t*>(s) + x, k), bits), key);
        return narrow_masks(m);
    }
    static uint32_t one(const RowJob& j, const void* s, int x) {
        return (static_cast<const uint32_t*>(s)[x] & kColourBits) == j.key ? ~0u : 0u;
    }
};

template <> struct Load<Source::Bits> {
    static __m128i mono(const RowJob&, const void* s, int x) {
        return load(static_cast<const uint8_t*>(s) + x, 0);
    }
    static uint32_t one(const RowJob&, const void* s, int x) {
        return static_cast<const uint8_t*>(s)[x];
    }
};

template <> struct Load<Source::Colour> {
    static void colour(const RowJob& j, const void* s, int x, __m128i out[4]) {
        const __m128i one = _mm_set1_epi32(int(j.one)), zero = _mm_set1_epi32(int(j.zero));
        widen_bits(load(static_cast<const uint8_t*>(s) + x, 0), out);
        for (int k = 0; k < 4; ++k)
            out[k] = _mm_or_si128(_mm_and_si128(out[k], one), _mm_andnot_si128(out[k], zero));
    }
    static uint32_t one(const RowJob& j, const void* s, int x) {
        return static_cast<const uint8_t*>(s)[x] ? j.one : j.zero;
    }
};

// The operations, on single words and on registers alike.
struct Copy {
    template <class T> static T f(uint8_t, T, T s, T) { return s; }
};
struct And {
    template <class T> static T f(uint8_t, T, T s, T d) { return s & d; }
};
struct Or {
    template <class T> static T f(uint8_t, T, T s, T d) { return s | d; }
};
struct Xor {
    template <class T> static T f(uint8_t, T, T s, T d) { return s ^ d; }
};
struct NotCopy {
    template <class T> static T f(uint8_t, T, T s, T) { return ~s; }
};
// Any code: the union of the minterms whose bit is set in the index.
struct General {
    template <class T> static T f(uint8_t i, T p, T s, T d) {
        T r = p ^ p;
        for (int m = 0; m < 8; ++m)
            if ((i >> m) & 1)
                r |= ((m & 4) ? p : ~p) & ((m & 2) ? s : ~s) & ((m & 1) ? d : ~d);
        return r;
    }
};

// Colour target: what is written keeps the 24 colour bits.
template <Source S, class Op>
void colour_row(const RowJob& job, const void* src, void* dst, int n) {
    const RowJob j = job; // a local copy the stores below cannot alias
    const __m128i p = _mm_set1_epi32(int(j.pattern)), bits = _mm_set1_epi32(int(kColourBits));
    auto* d = static_cast<uint32_t*>(dst);
    int x = 0;
    for (; x + kBlock <= n; x += kBlock) {
        __m128i s[4];
        Load<S>::colour(j, src, x, s);
        for (int k = 0; k < 4; ++k)
            store(d + x, k, Op::f(j.op, p, s[k], load(d + x, k)) & bits);
    }
    for (; x < n; ++x)
        d[x] = Op::f(j.op, j.pattern, Load<S>::one(j, src, x), d[x]) & kColourBits;
}

// Monochrome target: what is written keeps bit 0 of each byte.
template <Source S, class Op> void mono_row(const RowJob& job, const void* src, void* dst, int n) {
    const RowJob j = job;
    const __m128i p = _mm_set1_epi8(char(j.pattern)), bit = _mm_set1_epi8(1);
    auto* d = static_cast<uint8_t*>(dst);
    int x = 0;
    for (; x + kBlock <= n; x += kBlock)
        store(d + x, 0, Op::f(j.op, p, Load<S>::mono(j, src, x), load(d + x, 0)) & bit);
    for (; x < n; ++x)
        d[x] = uint8_t(Op::f(j.op, j.pattern, Load<S>::one(j, src, x), uint32_t(d[x])) & 1);
}

template <Source S, bool Mono, class Op> constexpr RowKernel kernel() {
    if constexpr (Mono)
        return mono_row<S, Op>;
    else
        return colour_row<S, Op>;
}

template <Source S, bool Mono> RowKernel for_op(uint8_t op) {
    switch (op) {
    case 0xCC:
        return kernel<S, Mono, Copy>();
    case 0x88:
        return kernel<S, Mono, And>();
    case 0xEE:
        return kernel<S, Mono, Or>();
    case 0x66:
        return kernel<S, Mono, Xor>();
    case 0x33:
        return kernel<S, Mono, NotCopy>();
    default:
        return kernel<S, Mono, General>();
    }
}

} // namespace

void keyed_copy(const uint32_t* src, uint32_t* dst, int n, uint32_t key) {
    const __m128i bits = _mm_set1_epi32(int(kColourBits)), k = _mm_set1_epi32(int(key));
    int x = 0;
    for (; x + 4 <= n; x += 4) {
        __m128i s = load(src + x, 0);
        __m128i keep = _mm_cmpeq_epi32(_mm_and_si128(s, bits), k);
        store(dst + x, 0,
              _mm_or_si128(_mm_and_si128(keep, load(dst + x, 0)), _mm_andnot_si128(keep, s)));
    }
    for (; x < n; ++x)
        if ((src[x] & kColourBits) != key)
            dst[x] = src[x];
}

RowKernel pick(Source source, bool mono_target, uint8_t op) {
    if (mono_target) {
        switch (source) {
        case Source::Words:
            return for_op<Source::Words, true>(op);
        case Source::Key:
            return for_op<Source::Key, true>(op);
        case Source::Bits:
            return for_op<Source::Bits, true>(op);
        default:
            return kernel<Source::None, true, General>();
        }
    }
    switch (source) {
    case Source::Words:
        return for_op<Source::Words, false>(op);
    case Source::Colour:
        return for_op<Source::Colour, false>(op);
    default:
        return kernel<Source::None, false, General>();
    }
}

} // namespace paginor::platform::rows
