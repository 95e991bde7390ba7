// A memory DC holding a fresh bitmap (32-bit colour or 1-bit monochrome), optionally
// painted pixel by pixel, for raster and drawing tests. Whatever it selected is put back
// and whatever it made is deleted when it goes, so live object counts balance.
#pragma once

#include "platform/raster/bitmap.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"

#include <functional>
#include <vector>

namespace paginor::testing_support {

using platform::COLORREF;

struct MemorySurface {
    platform::HDC dc{platform::CreateCompatibleDC(0)};
    platform::HBITMAP bitmap{0};
    platform::HGDIOBJ old{0};
    int w{0}, h{0};

    MemorySurface(int width, int height, const std::function<COLORREF(int, int)>& paint = {},
                  bool mono = false)
        : bitmap(platform::CreateBitmap(width, height, 1, mono ? 1 : 32, nullptr)), w(width),
          h(height) {
        old = platform::SelectObject(dc, bitmap);
        for (int y = 0; paint && y < h; ++y)
            for (int x = 0; x < w; ++x)
                platform::SetPixel(dc, x, y, paint(x, y));
    }
    ~MemorySurface() {
        platform::SelectObject(dc, old);
        platform::DeleteObject(bitmap);
        platform::DeleteDC(dc);
    }
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    // The pixels of r (the whole bitmap by default), row by row.
    std::vector<COLORREF> pixels(platform::RECT r = {}) const {
        if (r.right == 0 && r.bottom == 0)
            r = {0, 0, w, h};
        std::vector<COLORREF> out;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                out.push_back(platform::GetPixel(dc, x, y));
        return out;
    }
};

// A one-row surface painted with the given pixels, left to right.
inline std::function<COLORREF(int, int)> row_of(std::vector<COLORREF> row) {
    return [row = std::move(row)](int x, int) { return row[size_t(x)]; };
}

} // namespace paginor::testing_support
