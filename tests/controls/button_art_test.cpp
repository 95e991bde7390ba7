#include "controls/button_art.h"

#include "support/raster_golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace paginor;
using controls::ButtonArt;
using controls::ButtonLook;

namespace {

// Every picture fills its button opaquely at the buttons' sizes, and the twelve pictures
// side by side match the golden image exactly (so the three looks of a button differ as
// the golden shows them).
TEST(ButtonArt, OpaqueAtEachButtonSizeDistinctLooksAndGolden) {
    const ButtonArt arts[] = {ButtonArt::Prompt, ButtonArt::Calendar, ButtonArt::Add,
                              ButtonArt::Clear};
    const ButtonLook looks[] = {ButtonLook::Normal, ButtonLook::Hover, ButtonLook::Inactive};
    platform::Image sheet;
    sheet.width = 4 * 28, sheet.height = 3 * 24, sheet.format = platform::ImageFormat::Png;
    sheet.pixels.assign(size_t(sheet.width * sheet.height), 0xFFFFFFFFu);
    for (int a = 0; a < 4; ++a) {
        for (int l = 0; l < 3; ++l) {
            for (const auto& [w, h] : {std::pair{21, 21}, std::pair{26, 21}}) {
                const platform::Image img = controls::button_art_image(arts[a], looks[l], w, h);
                ASSERT_EQ(img.width, w);
                ASSERT_EQ(img.height, h);
                EXPECT_TRUE(std::all_of(img.pixels.begin(), img.pixels.end(),
                                        [](uint32_t p) { return (p >> 24) == 0xFF; }));
            }
            const platform::Image img = controls::button_art_image(arts[a], looks[l], 26, 21);
            for (int y = 0; y < img.height; ++y)
                for (int x = 0; x < img.width; ++x)
                    sheet.pixels[size_t((l * 24 + 1 + y) * sheet.width + a * 28 + 1 + x)] =
                        img.pixels[size_t(y * img.width + x)];
        }
    }
    EXPECT_TRUE(testing_support::MatchesGolden(sheet, "button_art", 0, 0));
}

} // namespace
