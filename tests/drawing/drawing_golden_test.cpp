#include "drawing/modGradientCtls.h"
#include "drawing/modTransBlt.h"
#include "platform/image/image_codec.h"
#include "support/memory_surface.h"
#include "support/raster_golden.h"

#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::platform;
using paginor::testing_support::MatchesGolden;

using Surface = paginor::testing_support::MemorySurface;

// Four gradient panels, a button-like face (solid bevel and vertical face), and a
// picture with a magenta key copied over them through both transparent paths.
TEST(DrawingGolden, GradientsAndTransparentCopies) {
    Surface canvas(200, 100, [](int, int) { return 0xFFFFFFu; });
    for (int dir = 0; dir < 4; ++dir)
        modGradientCtls::DrawGradient(canvas.dc, 4 + dir * 48, 4, 44, 40, 0x0000C0, 0xFFC040, dir);
    modGradientCtls::DrawGradient(canvas.dc, 4, 50, 90, 46, 0x404040, 0x404040, 2);
    modGradientCtls::DrawGradient(canvas.dc, 6, 52, 86, 42, 0xFFF0E0, 0xC08040, 1);

    Surface picture(24, 24, [](int x, int y) {
        int r2 = (x - 12) * (x - 12) + (y - 12) * (y - 12);
        return r2 <= 25 ? 0xFFFFFFu : r2 <= 100 ? RGB(0, 128, 0) : RGB(255, 0, 255);
    });
    for (bool device : {false, true}) {
        display_device().transparent_blt = device;
        modTransBlt::TransBlt(canvas.dc, device ? 140 : 110, 60, 24, 24, picture.dc, 0, 0,
                              int32_t(RGB(255, 0, 255)));
        modTransBlt::TransBlt(canvas.dc, device ? 52 : 22, 14, 24, 24, picture.dc, 0, 0,
                              int32_t(RGB(255, 0, 255)));
    }
    display_device().transparent_blt = false;
    EXPECT_TRUE(MatchesGolden(image_from_dc(canvas.dc), "drawing_sample", 0, 0));
}
