// Surfaces made straight on the platform layer: an active top-level window of the given
// pixel size at 15 twips per pixel to hold them, and what a window shows after the pump.
#pragma once

#include "platform/core/system_profile.h"
#include "platform/image/image_codec.h"
#include "platform/window/dc_window.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include <gtest/gtest.h>

namespace paginor::testing_support {

class ParentWindowTest : public ::testing::Test {
  protected:
    ParentWindowTest(int width, int height) {
        platform::set_screen_twips_per_pixel(15);
        platform::WindowDesc form;
        form.rect = {0, 0, width, height};
        parent = platform::CreateWindow(form);
        platform::SetActiveWindow(parent);
    }
    static platform::Image shown(platform::HWND window) {
        platform::DoEvents();
        const platform::HDC dc = platform::GetDC(window);
        platform::Image image = platform::image_from_dc(dc);
        platform::ReleaseDC(window, dc);
        return image;
    }

    platform::WindowSystemScope scope;
    platform::HWND parent{0};
};

} // namespace paginor::testing_support
