// The check box's five glyphs, 13 x 13 pixels, drawn here as pixel tables and carried in
// the library: "U" unchecked, "C" checked, "G" greyed, "H" unchecked and "CH" checked
// while the pointer is over the box.
#pragma once

#include "controls/ImageList.h"

namespace paginor {

// Adds the five glyphs to list under their keys.
void load_check_glyphs(controls::ImageList& list);

} // namespace paginor
