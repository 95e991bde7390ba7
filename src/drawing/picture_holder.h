// The gradient button's picture holder: it keeps the button's picture, takes the
// picture's size in pixels, and lends the button a surface with the picture drawn on it
// for one copy. The surface's background is the holder's foreground colour, black, which
// is also the colour the button leaves transparent: pixels a picture leaves fully
// transparent stay out of the copy, half-transparent ones are mixed with black.
#pragma once

#include "automation/ref.h"
#include "platform/core/types.h"

namespace paginor::drawing {

class PictureHolder {
  public:
    // The transparent key colour (0x00BBGGRR).
    static constexpr int32_t kForeColor = 0x000000;

    // The picture held (borrowed), or null.
    IDispatch* Picture() const { return m_picture.get(); }
    // Holds a counted reference until replaced; null empties the holder.
    void SetPicture(IDispatch* picture) {
        m_picture = automation::Ref<IDispatch>(picture);
        ++m_version;
    }
    // Grows with every picture set, so a look painted with one is never taken for another.
    uint64_t version() const { return m_version; }
    // True when there is a picture to draw: one of the library's pictures. A host's own
    // picture object is held but has no drawing handle here.
    bool HasPicture() const;
    // The picture's size in pixels; 0 x 0 without one.
    int Width() const;
    int Height() const;

    // A memory DC holding the picture drawn over black, made for one copy; every object
    // it holds goes when it ends. Its hdc is 0 when there is no picture or its bitmap
    // cannot be made (a picture too large), so the copy then has no effect.
    class Surface {
      public:
        explicit Surface(const PictureHolder& holder);
        ~Surface();
        Surface(const Surface&) = delete;
        Surface& operator=(const Surface&) = delete;
        platform::HDC hdc() const { return m_dc; }

      private:
        platform::HDC m_dc{0};
        platform::HBITMAP m_bitmap{0};
        platform::HGDIOBJ m_first{0};
    };

  private:
    automation::Ref<IDispatch> m_picture{};
    uint64_t m_version{0};
};

} // namespace paginor::drawing
