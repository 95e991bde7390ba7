#include "platform/raster/bitmap_store.h"

#include <cstring>
#include <deque>
#include <new>
#include <utility>

namespace paginor::platform {

namespace {

constexpr size_t kMaxBlocks = 8;
constexpr size_t kMaxBytes = size_t(128) << 20;
// Small blocks are cheap to get from the allocator; only big ones are worth keeping.
constexpr size_t kMinPooled = size_t(64) << 10;

struct Block {
    uint8_t* data;
    size_t size;
};

struct Pool {
    std::deque<Block> free;
    size_t bytes{0};
    ~Pool() {
        for (Block& b : free)
            ::operator delete[](b.data, std::align_val_t(64));
    }
};

Pool& pool() {
    static Pool p;
    return p;
}

uint8_t* take(size_t bytes) {
    Pool& p = pool();
    for (auto it = p.free.begin(); it != p.free.end(); ++it)
        if (it->size == bytes) {
            uint8_t* data = it->data;
            p.bytes -= bytes;
            p.free.erase(it);
            return data;
        }
    return static_cast<uint8_t*>(::operator new[](bytes, std::align_val_t(64)));
}

void give_back(uint8_t* data, size_t bytes) {
    Pool& p = pool();
    if (bytes < kMinPooled || bytes > kMaxBytes) {
        ::operator delete[](data, std::align_val_t(64));
        return;
    }
    p.free.push_back({data, bytes});
    p.bytes += bytes;
    while (p.free.size() > kMaxBlocks || p.bytes > kMaxBytes) {
        ::operator delete[](p.free.front().data, std::align_val_t(64));
        p.bytes -= p.free.front().size;
        p.free.pop_front();
    }
}

} // namespace

PixelStore::PixelStore(size_t bytes, bool zero) : m_size(bytes) {
    if (bytes == 0)
        return;
    m_data = take(bytes);
    if (zero)
        std::memset(m_data, 0, bytes);
}

PixelStore::~PixelStore() {
    if (m_data)
        give_back(m_data, m_size);
}

PixelStore::PixelStore(PixelStore&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)) {}

PixelStore& PixelStore::operator=(PixelStore&& other) noexcept {
    if (this != &other) {
        if (m_data)
            give_back(m_data, m_size);
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

} // namespace paginor::platform
