// Pixel storage for bitmaps and the drawing routines' scratch buffers, recycled through a
// small pool: painting makes and deletes full-size bitmaps many times a second, and fresh
// memory from the system costs a page fault per 4 KiB on first touch, which is far more
// than the drawing itself. The pool keeps at most 8 blocks and 128 MiB.
#pragma once

#include <cstddef>
#include <cstdint>

namespace paginor::platform {

class PixelStore {
  public:
    PixelStore() = default;
    // A block of `bytes`, zero-filled when `zero` is set (otherwise its content is
    // whatever the last user left). Throws std::bad_alloc when memory runs out.
    PixelStore(size_t bytes, bool zero);
    ~PixelStore();
    PixelStore(PixelStore&& other) noexcept;
    PixelStore& operator=(PixelStore&& other) noexcept;
    PixelStore(const PixelStore&) = delete;
    PixelStore& operator=(const PixelStore&) = delete;

    uint8_t* data() const { return m_data; }
    uint32_t* words() const { return reinterpret_cast<uint32_t*>(m_data); }
    size_t size() const { return m_size; }

  private:
    uint8_t* m_data{nullptr};
    size_t m_size{0};
};

} // namespace paginor::platform
