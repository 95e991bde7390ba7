#include "controls/picture_scale.h"

#include "platform/raster/blit.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace paginor::controls {

namespace pf = platform;

namespace {

using Channels = std::array<double, 4>; // a, r, g, b; colour premultiplied by alpha

Channels channels(uint32_t p) {
    const double a = (p >> 24) / 255.0;
    return {a, a * ((p >> 16) & 0xFF), a * ((p >> 8) & 0xFF), a * (p & 0xFF)};
}

uint32_t pixel(const Channels& c) {
    if (c[0] <= 0)
        return 0;
    auto part = [&](double v) { return uint32_t(std::clamp(std::lround(v / c[0]), 0L, 255L)); };
    return uint32_t(std::clamp(std::lround(c[0] * 255), 0L, 255L)) << 24 | part(c[1]) << 16 |
           part(c[2]) << 8 | part(c[3]);
}

// The source span a target pixel covers when shrinking, or the two neighbours and the
// weight of the second when enlarging; both as (first, last, weights) over one axis.
struct Tap {
    int first{0};
    std::vector<double> weights;
};

std::vector<Tap> taps(int from, int to) {
    std::vector<Tap> out(static_cast<size_t>(to));
    const double scale = double(from) / to;
    for (int i = 0; i < to; ++i) {
        Tap& t = out[size_t(i)];
        if (scale > 1) {
            const double lo = i * scale, hi = lo + scale;
            t.first = int(lo);
            for (int s = t.first; s < std::min(int(std::ceil(hi)), from); ++s)
                t.weights.push_back((std::min(hi, s + 1.0) - std::max(lo, double(s))) / scale);
        } else {
            const double centre = std::clamp((i + 0.5) * scale - 0.5, 0.0, from - 1.0);
            t.first = int(centre);
            const double f = centre - t.first;
            t.weights = {1 - f};
            if (t.first + 1 < from)
                t.weights.push_back(f);
        }
    }
    return out;
}

} // namespace

pf::Image scale_smooth(const pf::Image& image, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (image.width == width && image.height == height)
        return image;
    pf::Image out;
    out.width = width;
    out.height = height;
    out.has_alpha = image.has_alpha;
    out.format = image.format;
    out.pixels.resize(size_t(width) * height);
    if (image.width <= 0 || image.height <= 0)
        return out;
    const std::vector<Tap> xs = taps(image.width, width), ys = taps(image.height, height);
    std::vector<Channels> row(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        std::fill(row.begin(), row.end(), Channels{});
        const Tap& ty = ys[size_t(y)];
        for (size_t j = 0; j < ty.weights.size(); ++j) {
            const uint32_t* src = image.pixels.data() + size_t(ty.first + int(j)) * image.width;
            for (int x = 0; x < width; ++x) {
                const Tap& tx = xs[size_t(x)];
                for (size_t i = 0; i < tx.weights.size(); ++i) {
                    const Channels c = channels(src[tx.first + int(i)]);
                    const double w = ty.weights[j] * tx.weights[i];
                    for (int k = 0; k < 4; ++k)
                        row[size_t(x)][size_t(k)] += w * c[size_t(k)];
                }
            }
        }
        for (int x = 0; x < width; ++x)
            out.pixels[size_t(y) * width + x] = pixel(row[size_t(x)]);
    }
    return out;
}

void draw_picture(pf::HDC hdc, const pf::Image& image, int x, int y, const pf::RECT& clip) {
    const int left = std::max(x, int(clip.left)), top = std::max(y, int(clip.top));
    const int right = std::min(x + image.width, int(clip.right));
    const int bottom = std::min(y + image.height, int(clip.bottom));
    if (right <= left || bottom <= top)
        return;
    pf::write_dib_rows(hdc, left, top, right - left, bottom - top,
                       [&](int row, int first, int count, uint32_t* out) {
                           const uint32_t* src = image.pixels.data() +
                                                 size_t(top - y + row) * image.width +
                                                 (left - x + first);
                           for (int i = 0; i < count; ++i) {
                               const uint32_t s = src[i], a = s >> 24;
                               if (a == 255) {
                                   out[i] = s & 0xFFFFFF;
                               } else if (a > 0) {
                                   uint32_t blended = 0;
                                   for (int shift = 0; shift < 24; shift += 8) {
                                       const uint32_t sc = (s >> shift) & 0xFF;
                                       const uint32_t dc = (out[i] >> shift) & 0xFF;
                                       blended |= ((sc * a + dc * (255 - a)) / 255) << shift;
                                   }
                                   out[i] = blended;
                               }
                           }
                       });
}

} // namespace paginor::controls
