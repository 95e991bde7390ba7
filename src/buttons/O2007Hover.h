// O2007Hover: a picture button without a caption. It shows one of three pictures (normal,
// hover, inactive) in its image Image1 at its top-left corner, switches to the hover
// picture while the pointer is over it (through a cMouseTrack it creates at run time on
// the first hover), and raises MouseUp, MouseMove, Click, MouseLeave and KeyUp to its
// host. The tool-tip of Image1 (HoverText) changes only with a look.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "controls/Image.h"
#include "controls/ToolTip.h"
#include "frame/control.h"
#include "tracking/cMouseTrack.h"

#include <memory>
#include <string>

namespace paginor {

class O2007Hover final : public frame::Control<_O2007Hover>, private MouseTrackListener {
  public:
    O2007Hover();

    // _O2007Hover. Reads give E_POINTER for a null out pointer. Pictures may be null
    // (none) or any picture object; only the library's own pictures show.
    HRESULT get_HoverImage(IPictureDisp** retval) override;
    HRESULT putref_HoverImage(IPictureDisp* New_HoverImage) override;
    HRESULT get_NormalImage(IPictureDisp** retval) override;
    HRESULT putref_NormalImage(IPictureDisp* New_NormalImage) override;
    HRESULT get_InactiveImage(IPictureDisp** retval) override;
    HRESULT putref_InactiveImage(IPictureDisp* New_InactiveImage) override;
    HRESULT get_BackColor(OLE_COLOR* retval) override;
    HRESULT put_BackColor(OLE_COLOR New_BackColor) override;
    HRESULT get_Enabled(VARIANT_BOOL* retval) override;
    HRESULT put_Enabled(VARIANT_BOOL New_Enabled) override;
    HRESULT get_HoverText(BSTR* retval) override;
    HRESULT put_HoverText(BSTR New_HoverText) override;
    HRESULT get_hwnd(LONG* retval) override;
    HRESULT get_HoverInactive(VARIANT_BOOL* retval) override;
    HRESULT put_HoverInactive(VARIANT_BOOL New_HoverInactive) override;
    // Fails only when the tracker cannot start (its error, e.g. 453).
    HRESULT StartHover() override;
    HRESULT SetButtonActive(VARIANT_BOOL blnBtnActive) override;

    // For the library's embedding controls and tests: the image and its tool-tip.
    const controls::Image& image1() const { return m_image1; }
    bool tracking() const { return m_tracker && m_tracker->Tracking(); }
    const controls::ToolTip* tool_tip() const { return m_tip.get(); }

  private:
    ~O2007Hover() override;

    void UserControl_Initialize() override;
    void UserControl_ReadProperties(const frame::PropertyBag& bag) override;
    void UserControl_WriteProperties(frame::PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Terminate() override;
    void UserControl_MouseMove(const frame::MouseEvent& e) override;
    void UserControl_MouseUp(const frame::MouseEvent& e) override;
    void UserControl_Click() override;
    void UserControl_KeyUp(frame::KeyEvent& e) override;
    void Image1_Click();
    void Image1_MouseMove(const frame::MouseEvent& e);
    void MouseHover(LONG& Button, LONG& Shift, float& X, float& Y) override;
    void MouseLeave() override;

    void HoverRoutine();
    void RestLook(bool hover_while_tracking);
    void LeaveLook();
    void ShowLook(IDispatch* picture, bool with_tip);
    void RaiseMouse(DISPID id, frame::MouseEvent e);

    automation::Ref<IDispatch> m_normal{};
    automation::Ref<IDispatch> m_inactive{};
    automation::Ref<IDispatch> m_hover{};
    bool m_enabled{true};
    std::u16string m_hover_text{};
    bool m_hover_inactive{true};
    bool m_button_active{true};
    automation::Ref<cMouseTrack> m_tracker{};
    controls::Image m_image1{};
    std::unique_ptr<controls::ToolTip> m_tip{};
};

} // namespace paginor
