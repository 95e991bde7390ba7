// A few looks a control has painted on its drawing surface, each kept as a bitmap under
// the key it was painted from. A button goes back and forth between a handful of looks
// (up, hover, pressed): showing a kept one again is a bitmap put under the surface, no
// painting and no copying. The look moved aside takes the slot; the least recently used
// look makes room for a new one.
//
//   if (!m_looks.show(key, m_shown, surface()))
//       Paint(key); // on a spare bitmap: the look shown until now was kept
//   m_shown = key;
#pragma once

#include "frame/drawing_surface.h"
#include "platform/core/types.h"

#include <array>
#include <cstdint>
#include <optional>

namespace paginor::drawing {

// A bitmap the cache owns, deleted with it.
class KeptBitmap {
  public:
    KeptBitmap() = default;
    ~KeptBitmap() { reset(); }
    KeptBitmap(const KeptBitmap&) = delete;
    KeptBitmap& operator=(const KeptBitmap&) = delete;

    // Puts this bitmap under the surface and keeps the one that was there; false when
    // there is no bitmap of the surface's size to put (one is made when there is room).
    bool swap_with(frame::DrawingSurface& surface);
    void reset();

  private:
    platform::HBITMAP m_bitmap{0};
};

template <class Key, size_t N = 3> class LookCache {
  public:
    // Puts the look of key under the surface when one is kept and answers true. Otherwise
    // the surface moves onto a spare bitmap for the caller to paint on, and answers
    // false. Either way the look shown until now (shown, when known) stays kept.
    bool show(const Key& key, const std::optional<Key>& shown, frame::DrawingSurface& surface) {
        for (Slot& s : m_slots)
            if (s.key && *s.key == key) {
                const bool swapped = s.bitmap.swap_with(surface);
                s.key = swapped ? shown : std::nullopt;
                s.used = ++m_clock;
                if (swapped)
                    return true;
            }
        if (!shown)
            return false;
        Slot* oldest = &m_slots[0];
        for (Slot& s : m_slots)
            if (s.used < oldest->used)
                oldest = &s;
        oldest->key.reset();
        if (oldest->bitmap.swap_with(surface)) {
            oldest->key = shown;
            oldest->used = ++m_clock;
        }
        return false;
    }

    void clear() {
        for (Slot& s : m_slots) {
            s.key.reset();
            s.bitmap.reset();
            s.used = 0;
        }
    }

  private:
    struct Slot {
        std::optional<Key> key;
        KeptBitmap bitmap;
        uint64_t used{0};
    };
    std::array<Slot, N> m_slots{};
    uint64_t m_clock{0};
};

} // namespace paginor::drawing
