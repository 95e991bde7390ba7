// The label control: a caption drawn in its font and ForeColor, over its BackColor
// (BackStyle 1, opaque) or over whatever lies beneath (BackStyle 0, transparent). With
// AutoSize the label takes the caption's extent in its font; otherwise the caption
// breaks between words to fit the width. As on desktop labels, "&" is not drawn and
// underlines the character after it, and "&&" shows one "&"; AutoSize measures the
// caption the same way. Windowless; gets pointer input in its bounds.
#pragma once

#include <paginor/base.h>

#include "frame/user_control.h"

#include <string>

namespace paginor::controls {

class Label final : public frame::Windowless {
  public:
    const std::u16string& Caption() const { return m_caption; }
    void SetCaption(std::u16string caption);
    bool AutoSize() const { return m_auto_size; }
    void SetAutoSize(bool on);
    // 0 transparent, 1 opaque; any other value is taken as 1.
    int BackStyle() const { return m_back_style; }
    void SetBackStyle(int style) { m_back_style = style == 0 ? 0 : 1; }
    OLE_COLOR BackColor() const { return m_back_color; }
    void SetBackColor(OLE_COLOR c) { m_back_color = c; }
    OLE_COLOR ForeColor() const { return m_fore_color; }
    void SetForeColor(OLE_COLOR c) { m_fore_color = c; }
    bool FontBold() const { return m_bold; }
    void SetFontBold(bool on);
    // Face and size in points; a size of 0 or less gives the default size.
    void SetFont(std::u16string face, double points);
    const std::u16string& FontName() const { return m_face; }
    double FontSize() const { return m_points; }
    // Position and size in pixels of the control (AutoSize replaces the size).
    void Move(int left, int top, int width, int height);
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // A hidden label is not drawn and takes no pointer input.
    bool Visible() const { return m_visible; }
    void SetVisible(bool on) { m_visible = on; }

    platform::RECT bounds() const override {
        return {m_left, m_top, m_left + m_width, m_top + m_height};
    }
    bool visible() const override { return m_visible; }
    void paint(platform::HDC hdc) override;

  private:
    void fit();

    std::u16string m_caption{};
    bool m_auto_size{false};
    int m_back_style{1};
    OLE_COLOR m_back_color{0x8000000F};
    OLE_COLOR m_fore_color{0x80000012};
    bool m_bold{false};
    bool m_visible{true};
    std::u16string m_face{u"MS Sans Serif"};
    double m_points{8.25};
    int m_left{0};
    int m_top{0};
    int m_width{0};
    int m_height{0};
};

} // namespace paginor::controls
