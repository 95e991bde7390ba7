// HoverButton and O2007Check under bad input: sizes of 0 x 0 and 3 x 3 pixels, pictures
// of 1 x 1 and 500 x 500, twips per pixel differing across and down, and a caption wider
// than the control. Clicked and left in every case: nothing crashes, nothing is drawn
// outside the control, and every drawing object made is gone.
#include "support/control_form.h"
#include "support/scratch.h"

#include "platform/raster/gdi.h"

#include <cmath>

using namespace paginor;
using namespace paginor::test;

namespace {

TEST(ButtonsBadInput, TinySizesHugePicturesUnevenDensityWideCaption) {
    Scratch scratch;
    const auto square = [&](int side) {
        platform::Image image;
        image.width = image.height = side, image.format = platform::ImageFormat::Png;
        image.pixels.assign(size_t(side) * side, 0xFFFF0000u);
        const std::string path = (scratch.dir() / (std::to_string(side) + ".png")).string();
        platform::save_png(image, path);
        return LoadPicture(std::u16string(path.begin(), path.end())).value;
    };
    const struct {
        const char16_t *progid, *picture;
        LONG width, height, side, tx, ty;
    } rows[] = {
        {u"PaginorV2CTL.HoverButton", u"PromptPicture", 0, 0, 16, 15, 15},
        {u"PaginorV2CTL.HoverButton", u"PromptPicture", 45, 45, 1, 15, 15},
        {u"PaginorV2CTL.HoverButton", u"PromptPicture", 1500, 360, 500, 15, 15},
        {u"PaginorV2CTL.HoverButton", u"PromptPicture", 1500, 360, 1, 12, 15},
        {u"PaginorV2CTL.HoverButton", u"PromptPicture", 45, 45, 500, 15, 12},
        {u"PaginorV2CTL.O2007Check", u"BackPicture", 0, 0, 1, 15, 15},
        {u"PaginorV2CTL.O2007Check", u"BackPicture", 45, 45, 500, 15, 15},
        {u"PaginorV2CTL.O2007Check", u"BackPicture", 300, 255, 500, 12, 15},
        {u"PaginorV2CTL.O2007Check", u"BackPicture", 1500, 255, 1, 15, 12},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.progid, row.progid + 17) + " " + std::to_string(row.width) +
                     " picture " + std::to_string(row.side));
        ASSERT_EQ(PaginorSetTwipsPerPixel(row.tx, row.ty), S_OK);
        ControlForm f(row.progid, row.width, row.height);
        ASSERT_TRUE(f.control.put(row.picture, square(row.side).get()));
        ASSERT_TRUE(f.control.put(u"Caption", u"A caption far wider than any control here"));
        const platform::GdiCounts before = platform::gdi_object_counts();
        for (LONG location = 0; location < 5; ++location) {
            f.control.put(u"IconLocation", Variant(location)); // O2007Check has none
            f.mouse(1, 1), f.click(), f.mouse(-6, -6);
        }
        const platform::Image form = f.render("buttons_bad_input");
        EXPECT_EQ(platform::gdi_object_counts(), before);
        const auto px = [](double twips, LONG per) { return int(std::lround(twips / per)); };
        const int left = px(120, row.tx), top = px(120, row.ty);
        const int right = px(120 + row.width, row.tx), below = px(120 + row.height, row.ty);
        const uint32_t back = form.pixels[size_t(1) * form.width + 1];
        for (const auto& [x, y] : {std::pair{right, top + 1}, {left + 1, below}, {right, below}})
            EXPECT_EQ(form.pixels[size_t(y) * form.width + size_t(x)], back)
                << "nothing drawn outside the control at " << x << ", " << y;
    }
    ASSERT_EQ(PaginorSetTwipsPerPixel(15, 15), S_OK);
}

} // namespace
