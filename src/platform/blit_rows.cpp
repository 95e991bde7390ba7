#include "platform/blit_rows.h"

#include <cstring>

namespace paginor::platform::rows {

namespace {

// Four 32-bit lanes, one SSE register on every x86-64. Monochrome bytes widen into the
// same lanes, so every kernel computes in one shape.
using V = uint32_t __attribute__((vector_size(16)));
using VBytes = uint8_t __attribute__((vector_size(4)));
constexpr int kLanes = 4;
constexpr uint32_t kColourBits = 0xFFFFFF;

V load_words(const void* row, int x) {
    V v;
    std::memcpy(&v, static_cast<const uint32_t*>(row) + x, sizeof v);
    return v;
}

V load_bytes(const void* row, int x) {
    VBytes b;
    std::memcpy(&b, static_cast<const uint8_t*>(row) + x, sizeof b);
    return __builtin_convertvector(b, V);
}

// The source element at x as a target value, eight at a time (vec) or one (one).
template <Source S> struct Load;

template <> struct Load<Source::None> {
    static V vec(const RowJob&, const void*, int) { return V{}; }
    static uint32_t one(const RowJob&, const void*, int) { return 0; }
};

template <> struct Load<Source::Words> {
    static V vec(const RowJob&, const void* s, int x) { return load_words(s, x); }
    static uint32_t one(const RowJob&, const void* s, int x) {
        return static_cast<const uint32_t*>(s)[x];
    }
};

template <> struct Load<Source::Key> {
    static V vec(const RowJob& j, const void* s, int x) {
        return V((load_words(s, x) & kColourBits) == j.key) & 1;
    }
    static uint32_t one(const RowJob& j, const void* s, int x) {
        return (static_cast<const uint32_t*>(s)[x] & kColourBits) == j.key ? 1 : 0;
    }
};

template <> struct Load<Source::Bits> {
    static V vec(const RowJob&, const void* s, int x) { return load_bytes(s, x); }
    static uint32_t one(const RowJob&, const void* s, int x) {
        return static_cast<const uint8_t*>(s)[x];
    }
};

template <> struct Load<Source::Colour> {
    static V vec(const RowJob& j, const void* s, int x) {
        V set = V(load_bytes(s, x) != 0);
        return (set & j.one) | (~set & j.zero);
    }
    static uint32_t one(const RowJob& j, const void* s, int x) {
        return static_cast<const uint8_t*>(s)[x] ? j.one : j.zero;
    }
};

// Reading and writing target elements; what is written keeps only the bits the target
// holds (24 colour bits, or bit 0 of a monochrome byte).
template <bool Mono> struct Target;

template <> struct Target<false> {
    static V vec(const void* d, int x) { return load_words(d, x); }
    static void put(void* d, int x, V v) {
        v &= kColourBits;
        std::memcpy(static_cast<uint32_t*>(d) + x, &v, sizeof v);
    }
    static uint32_t one(const void* d, int x) { return static_cast<const uint32_t*>(d)[x]; }
    static void put_one(void* d, int x, uint32_t v) {
        static_cast<uint32_t*>(d)[x] = v & kColourBits;
    }
};

template <> struct Target<true> {
    static V vec(const void* d, int x) { return load_bytes(d, x); }
    static void put(void* d, int x, V v) {
        VBytes b = __builtin_convertvector(v & 1, VBytes);
        std::memcpy(static_cast<uint8_t*>(d) + x, &b, sizeof b);
    }
    static uint32_t one(const void* d, int x) { return static_cast<const uint8_t*>(d)[x]; }
    static void put_one(void* d, int x, uint32_t v) {
        static_cast<uint8_t*>(d)[x] = uint8_t(v & 1);
    }
};

// The operations, on single words and on lanes alike.
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

template <Source S, bool Mono, class Op>
void run(const RowJob& j, const void* src, void* dst, int n) {
    using L = Load<S>;
    using D = Target<Mono>;
    const V p = V{} + j.pattern;
    int x = 0;
    for (; x + kLanes <= n; x += kLanes)
        D::put(dst, x, Op::f(j.op, p, L::vec(j, src, x), D::vec(dst, x)));
    for (; x < n; ++x)
        D::put_one(dst, x, Op::f(j.op, j.pattern, L::one(j, src, x), D::one(dst, x)));
}

template <Source S, bool Mono> RowKernel for_op(uint8_t op) {
    switch (op) {
    case 0xCC:
        return run<S, Mono, Copy>;
    case 0x88:
        return run<S, Mono, And>;
    case 0xEE:
        return run<S, Mono, Or>;
    case 0x66:
        return run<S, Mono, Xor>;
    case 0x33:
        return run<S, Mono, NotCopy>;
    default:
        return run<S, Mono, General>;
    }
}

template <bool Mono> RowKernel for_source(Source source, uint8_t op) {
    switch (source) {
    case Source::None:
        return run<Source::None, Mono, General>;
    case Source::Words:
        return for_op<Source::Words, Mono>(op);
    case Source::Key:
        return for_op<Source::Key, Mono>(op);
    case Source::Bits:
        return for_op<Source::Bits, Mono>(op);
    case Source::Colour:
        return for_op<Source::Colour, Mono>(op);
    }
    return run<Source::None, Mono, General>;
}

} // namespace

void keyed_copy(const uint32_t* src, uint32_t* dst, int n, uint32_t key) {
    int x = 0;
    for (; x + kLanes <= n; x += kLanes) {
        V s = load_words(src, x);
        V keep = V((s & kColourBits) == key);
        V v = (load_words(dst, x) & keep) | (s & ~keep);
        std::memcpy(dst + x, &v, sizeof v);
    }
    for (; x < n; ++x)
        if ((src[x] & kColourBits) != key)
            dst[x] = src[x];
}

RowKernel pick(Source source, bool mono_target, uint8_t op) {
    return mono_target ? for_source<true>(source, op) : for_source<false>(source, op);
}

} // namespace paginor::platform::rows
