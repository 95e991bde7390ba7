// The windowless image: shows a picture at its place in its control. Without Stretch it
// takes the picture's natural size (and keeps its last size when the picture is
// removed); with Stretch the picture is scaled to the image's size. Transparent parts
// of the picture show the control beneath. A plain C++ child of a control, not
// registered; its control paints it and hands it the pointer input that lands on it.
#pragma once

#include <paginor/base.h>

#include "automation/ref.h"
#include "frame/user_control.h"

#include <string>

namespace paginor::controls {

using platform::HDC;
using platform::RECT;

class Image final : public frame::Windowless {
  public:
    Image() = default;
    ~Image() override = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // The picture shown (borrowed on read; null for none). Set holds a counted
    // reference and releases the previous one; a picture that is not one of the
    // library's standard pictures is held but shows nothing.
    IDispatch* Picture() const { return m_picture.get(); }
    void SetPicture(IDispatch* picture);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool on) { m_stretch = on; }
    // Position and size in pixels of the control. Negative sizes count as 0.
    void Move(int left, int top, int width, int height);
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The text of the tool-tip for this part of the control (stored only).
    const std::u16string& ToolTipText() const { return m_tool_tip; }
    void SetToolTipText(std::u16string text) { m_tool_tip = std::move(text); }

    // A hidden image is not drawn and takes no pointer input.
    bool Visible() const { return m_visible; }
    void SetVisible(bool on) { m_visible = on; }

    RECT bounds() const override { return {m_left, m_top, m_left + m_width, m_top + m_height}; }
    bool visible() const override { return m_visible; }
    void paint(HDC hdc) override;

  private:
    automation::Ref<IDispatch> m_picture{};
    bool m_stretch{false};
    bool m_visible{true};
    int m_left{0};
    int m_top{0};
    int m_width{0};
    int m_height{0};
    std::u16string m_tool_tip{};
};

} // namespace paginor::controls
