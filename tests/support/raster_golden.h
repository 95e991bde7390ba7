// Golden-image comparison for pixel tests: compares a rendered image with a PNG in the
// test data folder within a tolerance and, on a mismatch, writes the actual image and a
// diff (differing pixels red on a faded copy) into the test output folder. With
// PAGINOR_UPDATE_GOLDEN set in the environment the golden file is (re)written instead.
#pragma once

#include "platform/image/image_codec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace paginor::testing_support {

inline int channel_diff(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}

// Passes when every pixel is within `tolerance` per channel, or at most `allowed` pixels
// are further off.
inline ::testing::AssertionResult MatchesGolden(const platform::Image& actual,
                                                const std::string& name, int tolerance = 24,
                                                int allowed = 4) {
    namespace fs = std::filesystem;
    std::string golden_path = std::string(PAGINOR_TEST_DATA_DIR) + "/" + name + ".png";
    if (std::getenv("PAGINOR_UPDATE_GOLDEN")) {
        platform::save_png(actual, golden_path);
        return ::testing::AssertionSuccess() << "golden written";
    }
    fs::create_directories(PAGINOR_TEST_OUTPUT_DIR);
    std::string out = std::string(PAGINOR_TEST_OUTPUT_DIR) + "/" + name;
    if (!fs::exists(golden_path)) {
        platform::save_png(actual, out + ".actual.png");
        return ::testing::AssertionFailure()
               << "no golden " << golden_path << "; actual in " << out << ".actual.png";
    }
    platform::Image golden = platform::load_image_file(golden_path);
    if (golden.width != actual.width || golden.height != actual.height) {
        platform::save_png(actual, out + ".actual.png");
        return ::testing::AssertionFailure()
               << "size " << actual.width << "x" << actual.height << " differs from golden "
               << golden.width << "x" << golden.height;
    }
    platform::Image diff = actual;
    diff.has_alpha = false;
    int off = 0, worst = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i) {
        int d = channel_diff(actual.pixels[i] | (actual.has_alpha ? 0 : 0xFF000000u),
                             golden.pixels[i] | (golden.has_alpha ? 0 : 0xFF000000u));
        worst = std::max(worst, d);
        bool bad = d > tolerance;
        off += bad;
        uint32_t faded = 0xFF000000 | (((actual.pixels[i] >> 2) & 0x3F3F3F) + 0x909090);
        diff.pixels[i] = bad ? 0xFFFF0000 : faded;
    }
    if (off <= allowed)
        return ::testing::AssertionSuccess();
    platform::save_png(actual, out + ".actual.png");
    platform::save_png(diff, out + ".diff.png");
    return ::testing::AssertionFailure() << off << " pixels beyond tolerance (worst " << worst
                                         << "); see " << out << ".actual.png and .diff.png";
}

} // namespace paginor::testing_support
