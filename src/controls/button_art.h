// The pictures of the prompts' small image buttons (prompt, calendar, add, clear), each
// in a normal, a hover and an inactive look, drawn here in code so that the library
// carries them. A picture is made at the button's own size and is opaque to its edges:
// an image button that clicks only on its picture's pixels takes a click anywhere on it.
#pragma once

#include "frame/std_picture.h"
#include "platform/image/image_codec.h"

namespace paginor::controls {

enum class ButtonArt { Prompt, Calendar, Add, Clear };
enum class ButtonLook { Normal, Hover, Inactive };

// The picture's pixels (0xAARRGGBB, all opaque), width x height; sizes below 8 count as 8.
platform::Image button_art_image(ButtonArt art, ButtonLook look, int width, int height);

// The same as a standard picture holding one reference (its bytes a PNG file).
frame::StdPicture* button_art_picture(ButtonArt art, ButtonLook look, int width, int height);

} // namespace paginor::controls
