// HoverButton: a flat toolbar button made of parts: the surface picUC (which holds the
// focus), the icon imgIcon, the caption lblCaption and six one-pixel edge lines. At rest no
// frame shows; while the pointer is over it (reported by a cMouseTrack attached to the
// surface at run time) the lines give a raised frame; while a button is held on it the
// frame turns sunken and the content moves two pixels right and down. A right release
// raises PopClick, any other Click; so does Space released on the surface.
//
// Focus shows only through where the surface sits: focused it covers the control
// exactly, otherwise it overhangs by one pixel on every side, so the outer lines fall
// outside the control. No setter reports a property change; everything the look depends on
// funnels into ArrangeButton.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/Line.h"
#include "controls/PictureBox.h"
#include "frame/control.h"
#include "tracking/cMouseTrack.h"

#include <memory>
#include <string>

namespace paginor {

class HoverButton final : public frame::Control<_HoverButton>, private MouseTrackListener {
  public:
    HoverButton();

    // _HoverButton. Reads give E_POINTER for a null out pointer. Any IconLocation is
    // kept; one outside ILNone..ILBottom places the icon as ILNone. A picture that is not
    // one of the library's is held but shows nothing.
    HRESULT get_PromptPicture(IPictureDisp** retval) override;
    HRESULT putref_PromptPicture(IPictureDisp* New_PromptPicture) override;
    HRESULT get_IconLocation(EIconLocation* retval) override;
    HRESULT put_IconLocation(EIconLocation New_IconLocation) override;
    HRESULT get_Caption(BSTR* retval) override;
    HRESULT put_Caption(BSTR New_Caption) override;
    HRESULT get_BackColor(OLE_COLOR* retval) override;
    HRESULT put_BackColor(OLE_COLOR New_BackColor) override;
    HRESULT get_ForeColor(OLE_COLOR* retval) override;
    HRESULT put_ForeColor(OLE_COLOR New_ForeColor) override;
    HRESULT get_FontBold(VARIANT_BOOL* retval) override;
    HRESULT put_FontBold(VARIANT_BOOL New_FontBold) override;
    HRESULT get_Enabled(VARIANT_BOOL* retval) override;
    HRESULT put_Enabled(VARIANT_BOOL New_Enabled) override;
    // Hides the frame at once; the next hover report or tracked move brings it back.
    HRESULT Unhover() override;

  private:
    ~HoverButton() override;

    void UserControl_Initialize() override;
    void UserControl_ReadProperties(const frame::PropertyBag& bag) override;
    void UserControl_WriteProperties(frame::PropertyBag& bag) override;
    void UserControl_Show() override;
    void UserControl_Resize() override;
    void UserControl_EnterFocus() override;
    void UserControl_Terminate() override;
    void Part_MouseDown();
    void Part_MouseMove();
    void Part_MouseUp(const frame::MouseEvent& e);
    void picUC_KeyUp(frame::KeyEvent& e);
    void picUC_GotFocus();
    void picUC_LostFocus();
    void MouseHover(LONG& Button, LONG& Shift, float& X, float& Y) override;
    void MouseLeave() override;

    void ArrangeButton();
    void PlaceSurface();
    void PlaceLines(double sw, double sh);
    void PlaceContent(double sw, double sh);
    void EnsureTracker();
    void ShowFrame(bool on);
    void RepaintSurface();

    automation::Ref<IDispatch> m_prompt_picture{};
    LONG m_icon_location{ILLeft}; // any value is kept
    std::u16string m_caption{};
    OLE_COLOR m_back_color{0x8000000F};
    OLE_COLOR m_fore_color{0x80000012};
    bool m_font_bold{false};
    bool m_enabled{true};
    bool m_has_focus{false};
    bool m_pressed{false};
    automation::Ref<cMouseTrack> m_tracker{};

    std::unique_ptr<controls::PictureBox> m_picUC{};
    controls::Image m_imgIcon{};
    controls::Label m_lblCaption{};
    controls::Line m_linT{};
    controls::Line m_linL{};
    controls::Line m_linBST{};
    controls::Line m_linBSB{};
    controls::Line m_linRSL{};
    controls::Line m_linRSR{};
};

} // namespace paginor
