// modTransBlt: copies a block of a picture onto a target, leaving one key colour out.
#pragma once

#include "platform/core/types.h"

namespace paginor::modTransBlt {

// Copies the width x height block at (src_x, src_y) of `src` to (dest_x, dest_y) of `dest`;
// source pixels equal to `key` (0x00BBGGRR; -1 matches nothing) leave the target as it
// was. On a device reporting C1_TRANSPARENT in CAPS1 one NEWTRANSPARENT blit does it;
// otherwise a mask is built in monochrome memory bitmaps and eight blits combine it.
// Every object made is deleted before returning. Results of the raster calls are not
// checked: with an unknown DC or an empty block the steps simply have no effect.
void TransBlt(platform::HDC dest, int32_t dest_x, int32_t dest_y, int32_t width, int32_t height,
              platform::HDC src, int32_t src_x, int32_t src_y, int32_t key);

} // namespace paginor::modTransBlt
