// A few looks a control has painted, each kept as a copy of its drawing surface under the
// key it was painted from. A button goes back and forth between a handful of looks (up,
// hover, pressed); copying a kept one back costs a fraction of painting it again. The
// least recently used look makes room for a new one.
//
//   if (!m_looks.restore(key, dc, w, h)) {
//       Paint();
//       m_looks.keep(key, dc, w, h);
//   }
#pragma once

#include "platform/core/types.h"

#include <array>
#include <cstdint>
#include <optional>

namespace paginor::drawing {

// One kept picture of w x h pixels; copies to and from a DC at (0, 0).
class LookBitmap {
  public:
    LookBitmap() = default;
    ~LookBitmap();
    LookBitmap(const LookBitmap&) = delete;
    LookBitmap& operator=(const LookBitmap&) = delete;

    // Takes a copy of w x h pixels of dc; false when a bitmap that size cannot be made or
    // is larger than a look worth keeping.
    bool take(platform::HDC dc, int w, int h);
    // Copies the kept pixels into dc; false when nothing of that size is kept.
    bool give(platform::HDC dc, int w, int h) const;
    void clear();

  private:
    platform::HDC m_dc{0};
    platform::HBITMAP m_bitmap{0};
    platform::HGDIOBJ m_first{0};
    int m_width{0};
    int m_height{0};
};

template <class Key, size_t N = 3> class LookCache {
  public:
    // Copies the look painted under key into dc and answers true; false when none is kept.
    bool restore(const Key& key, platform::HDC dc, int w, int h) {
        for (Slot& s : m_slots)
            if (s.key && *s.key == key && s.pixels.give(dc, w, h)) {
                s.used = ++m_clock;
                return true;
            }
        return false;
    }

    // Keeps what dc shows as the look of key, in place of the least recently used one.
    void keep(const Key& key, platform::HDC dc, int w, int h) {
        Slot* oldest = &m_slots[0];
        for (Slot& s : m_slots)
            if (s.used < oldest->used)
                oldest = &s;
        oldest->key.reset();
        if (oldest->pixels.take(dc, w, h)) {
            oldest->key = key;
            oldest->used = ++m_clock;
        }
    }

    void clear() {
        for (Slot& s : m_slots) {
            s.key.reset();
            s.pixels.clear();
            s.used = 0;
        }
    }

  private:
    struct Slot {
        std::optional<Key> key;
        LookBitmap pixels;
        uint64_t used{0};
    };
    std::array<Slot, N> m_slots{};
    uint64_t m_clock{0};
};

} // namespace paginor::drawing
