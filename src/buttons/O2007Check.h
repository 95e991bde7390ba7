// O2007Check: a check box drawn with 13 x 13 glyphs from its image list ilChecks instead
// of the system's box: the glyph Image1 at the left of the panel picUC, vertically
// centred, the caption lblCaption two pixels to its right. Value 0 (unchecked), 1
// (checked) or 2 (greyed; any other value shows greyed too). While the pointer is over it
// (reported by a cMouseTrack attached to the panel, started whenever the control is
// shown) it shows the hover glyph; a click on the glyph or the caption toggles 0 and 1,
// a greyed value stays. Raises MouseUp, MouseMove, Click and MouseLeave.
//
// After loading from a bag the caption's font size is scaled to the screen's density, so
// the caption keeps the pixel size it was designed with at 15 twips per pixel.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "controls/Image.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/PictureBox.h"
#include "frame/control.h"
#include "tracking/cMouseTrack.h"

#include <memory>
#include <string>
#include <string_view>

namespace paginor {

class O2007Check final : public frame::Control<_O2007Check>, private MouseTrackListener {
  public:
    O2007Check();

    // _O2007Check. Reads give E_POINTER for a null out pointer. Every write marks its
    // property changed; writing Value raises no event.
    HRESULT get_BackPicture(IPictureDisp** retval) override;
    HRESULT putref_BackPicture(IPictureDisp* New_BackPicture) override;
    HRESULT get_Caption(BSTR* retval) override;
    HRESULT put_Caption(BSTR New_Caption) override;
    HRESULT get_BackColor(OLE_COLOR* retval) override;
    HRESULT put_BackColor(OLE_COLOR New_BackColor) override;
    HRESULT get_Value(LONG* retval) override;
    HRESULT put_Value(LONG New_Value) override;
    HRESULT get_ForeColor(OLE_COLOR* retval) override;
    HRESULT put_ForeColor(OLE_COLOR New_ForeColor) override;
    HRESULT get_FontBold(VARIANT_BOOL* retval) override;
    HRESULT put_FontBold(VARIANT_BOOL New_FontBold) override;

  private:
    ~O2007Check() override;

    void UserControl_Initialize() override;
    void UserControl_ReadProperties(const frame::PropertyBag& bag) override;
    void UserControl_WriteProperties(frame::PropertyBag& bag) override;
    void UserControl_Show() override;
    void UserControl_Resize() override;
    void UserControl_Terminate() override;
    void UserControl_MouseMove(const frame::MouseEvent& e) override;
    void UserControl_MouseUp(const frame::MouseEvent& e) override;
    void UserControl_Click() override;
    void Part_MouseMove(frame::MouseEvent e);
    void Part_MouseUp(frame::MouseEvent e);
    void Box_Click(); // the glyph or the caption
    void MouseHover(LONG& Button, LONG& Shift, float& X, float& Y) override;
    void MouseLeave() override;

    void HoverRoutine();
    void ShowGlyph(std::u16string_view key);
    void ShowValue();
    void AdjustToScreenDensity();
    void Repaint();

    LONG m_value{0};
    bool m_font_bold{false};
    OLE_COLOR m_fore_color{0x80000012};
    OLE_COLOR m_back_color{0x80000005};
    std::u16string m_caption{};
    automation::Ref<IDispatch> m_back_picture{};
    automation::Ref<cMouseTrack> m_tracker{};

    std::unique_ptr<controls::PictureBox> m_picUC{};
    controls::Image m_image1{};
    controls::Label m_lblCaption{};
    controls::ImageList m_ilChecks{};
};

} // namespace paginor
