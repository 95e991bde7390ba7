// GradientButton: a button that paints itself in gradients, as a command button, a check
// box or a panel. Its look is one painting run (the resize handler) that redraws the
// whole persistent surface from the properties and two flags:
//   a border band in BorderColor, a solid bevel band in BevelColor, the face as a vertical
//   gradient of the pair the state picks (normal, hover, down), the picture copied with
//   black as its transparent colour, eight corner pixels that soften the outline, and the
//   caption, with its font-effect copies in ForeColor2 under the text in ForeColor.
// Bands without room draw nothing and everything else clips to the surface, so any size,
// any band width and any picture or caption paints without failing. The last few looks
// painted are kept with everything they were painted from: a look the button returns to
// is copied back, and a repaint that would draw what the surface already shows does
// nothing (Refresh always paints).
//
// Input (GradientButton_input.cpp) moves the two flags and raises the events: a press
// shows the down look and raises MouseDown, the first move over the button shows the
// hover look and starts a 20 ms poll of the pointer (MouseOnTimer while it is over, one
// MouseOff when it has left), a release raises Click (left button over the button flips
// Value, in every Mode) before MouseUp, a held button raises MouseDownRepeat every
// RepeatInterval ms, keys pass through, and space released or the host's Enter for its
// default button click it. Positions are twips.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "controls/Timer.h"
#include "drawing/look_cache.h"
#include "drawing/picture_holder.h"
#include "frame/control.h"

#include <optional>
#include <string>

namespace paginor {

namespace seams {
struct GradientButtonLook;
}

class GradientButton final : public frame::Control<_GradientButton> {
  public:
    GradientButton();

    // _GradientButton. Reads give E_POINTER for a null out pointer. Every setter reports
    // the change to the host under its own name ("Interval" for RepeatInterval, the
    // standard font identifier for Font) and repaints, except Enabled and RepeatInterval.
    // Colours are OLE colours; one that does not translate paints white. Mode and
    // FontEffect keep values outside their enumerations and paint them as Command Button
    // and None. Widths are pixels, negative ones included (the bands then spread outwards
    // and clip). Font and Picture hold the object given; a null Font is error 91, a null
    // Picture clears it; a picture that is not one of the library's is held and not drawn.
    HRESULT get_Value(VARIANT_BOOL* retval) override;
    HRESULT put_Value(VARIANT_BOOL New_Value) override;
    HRESULT get_Mode(eMode* retval) override;
    HRESULT put_Mode(eMode New_Mode) override;
    HRESULT get_Caption(BSTR* retval) override;
    HRESULT put_Caption(BSTR New_Caption) override;
    HRESULT get_ForeColor2(OLE_COLOR* retval) override;
    HRESULT put_ForeColor2(OLE_COLOR New_ForeColor2) override;
    HRESULT get_FontEffect(eFontEffect* retval) override;
    HRESULT put_FontEffect(eFontEffect New_FontEffect) override;
    HRESULT get_BevelWidth(SHORT* retval) override;
    HRESULT put_BevelWidth(SHORT New_BevelWidth) override;
    HRESULT get_BorderWidth(SHORT* retval) override;
    HRESULT put_BorderWidth(SHORT New_BorderWidth) override;
    HRESULT get_HoverColor2(OLE_COLOR* retval) override;
    HRESULT put_HoverColor2(OLE_COLOR New_HoverColor2) override;
    HRESULT get_HoverColor1(OLE_COLOR* retval) override;
    HRESULT put_HoverColor1(OLE_COLOR New_HoverColor1) override;
    HRESULT get_DownColor2(OLE_COLOR* retval) override;
    HRESULT put_DownColor2(OLE_COLOR New_DownColor2) override;
    HRESULT get_DownColor1(OLE_COLOR* retval) override;
    HRESULT put_DownColor1(OLE_COLOR New_DownColor1) override;
    HRESULT get_Color2(OLE_COLOR* retval) override;
    HRESULT put_Color2(OLE_COLOR New_Color2) override;
    HRESULT get_Color1(OLE_COLOR* retval) override;
    HRESULT put_Color1(OLE_COLOR New_Color1) override;
    HRESULT get_Picture(IPictureDisp** retval) override;
    HRESULT putref_Picture(IPictureDisp* New_Picture) override;
    // The auto-repeat interval in milliseconds; a negative one is error 380 and an
    // interval above 32767 read from a saved form reads back as error 6.
    HRESULT get_RepeatInterval(SHORT* retval) override;
    HRESULT put_RepeatInterval(SHORT New_RepeatInterval) override;
    HRESULT get_Enabled(VARIANT_BOOL* retval) override;
    HRESULT put_Enabled(VARIANT_BOOL New_Enabled) override;
    HRESULT get_ForeColor(OLE_COLOR* retval) override;
    HRESULT put_ForeColor(OLE_COLOR New_ForeColor) override;
    HRESULT get_BackColor(OLE_COLOR* retval) override;
    HRESULT put_BackColor(OLE_COLOR New_BackColor) override;
    HRESULT get_BevelColor(OLE_COLOR* retval) override;
    HRESULT put_BevelColor(OLE_COLOR New_BevelColor) override;
    HRESULT get_BorderColor(OLE_COLOR* retval) override;
    HRESULT put_BorderColor(OLE_COLOR New_BorderColor) override;
    HRESULT get_Font(IFontDisp** retval) override;
    HRESULT putref_Font(IFontDisp* New_Font) override;
    HRESULT Refresh() override;

  private:
    friend struct seams::GradientButtonLook;

    ~GradientButton() override;

    void UserControl_Initialize() override;
    void UserControl_InitProperties() override;
    // Reads the keys in their saved order, nothing trapped: a value of the wrong kind
    // (13), one out of range (6) or a negative interval (380) ends the reading with error
    // info naming the key, and the keys read before it keep their values.
    void UserControl_ReadProperties(const frame::PropertyBag& bag) override;
    void UserControl_WriteProperties(frame::PropertyBag& bag) override;
    void UserControl_Show() override;
    // The look for the new size (GradientButton_paint.cpp).
    void UserControl_Resize() override;
    void UserControl_EnterFocus() override;
    void UserControl_ExitFocus() override;
    void UserControl_Terminate() override;

    // Input (GradientButton_input.cpp). Each handler stops at the first event after which
    // the control has been ended, so nothing is raised on a control that is gone.
    void UserControl_MouseDown(const frame::MouseEvent& e) override;
    void UserControl_MouseMove(const frame::MouseEvent& e) override;
    void UserControl_MouseUp(const frame::MouseEvent& e) override;
    void UserControl_DblClick() override;
    void UserControl_KeyDown(frame::KeyEvent& e) override;
    void UserControl_KeyPress(SHORT& ascii) override;
    void UserControl_KeyUp(frame::KeyEvent& e) override;
    void UserControl_AccessKeyPress(SHORT& ascii) override;
    // The hover poll: pending messages first, then MouseOff (once) or MouseOnTimer.
    void tmrMouse_Timer();
    // The auto-repeat: MouseDownRepeat with whether the pointer is over the button.
    void tmrMouseDown_Timer();

    // Everything the painter reads, resolved (the font, the picture and the caption by
    // version): two equal looks paint the same pixels.
    struct Look {
        uint64_t surface, picture, caption;
        int sw, sh;
        int32_t border, bevel, c1, c2, back, fore, fore2;
        SHORT border_width, bevel_width;
        bool down, offset, panel;
        eFontEffect effect;
        bool operator==(const Look&) const = default;
    };
    Look CurrentLook();
    // Brings the surface to the current look: nothing when it shows it already, a kept
    // copy when there is one, the painter otherwise. True when the surface changed.
    bool ShowLook();
    // The painter (GradientButton_paint.cpp): the whole surface from the look.
    void Paint(const Look& look);
    // Shows the current look and lets the window show the result.
    void Redraw();
    // Stores through set, reports the change under key, then repaints unless told not to.
    template <class Set> HRESULT Change(std::u16string_view key, Set&& set, bool repaint = true);
    // Every change of the caption goes through here, so a look knows its caption by number.
    void SetCaptionText(std::u16string_view text);
    bool Pressed() const;
    // The pointer's screen position against the window's content, both far edges
    // included: a pointer one pixel past the last column or row still counts as over.
    bool IsMouseOver() const;
    // Raises a mouse event (twips) or an argumentless one; false when the control has
    // been ended meanwhile (its window is gone), so the caller stops.
    bool RaiseMouse(DISPID id, frame::MouseEvent e);
    bool Raise(DISPID id);
    // The control still has its window: it was not ended, nor its window destroyed.
    bool Alive() const;
    void StopTimers();

    OLE_COLOR m_border_color{0x80000010};
    SHORT m_border_width{1};
    OLE_COLOR m_bevel_color{0x80000005};
    SHORT m_bevel_width{2};
    OLE_COLOR m_color1{0xF3E9DA};
    OLE_COLOR m_color2{0xFFFFFF};
    OLE_COLOR m_hover_color1{0xFFD9C3};
    OLE_COLOR m_hover_color2{0xF3E9DA};
    OLE_COLOR m_down_color1{0xFFFFFF};
    OLE_COLOR m_down_color2{0xFFD9C3};
    OLE_COLOR m_back_color{0x8000000F};
    OLE_COLOR m_fore_color2{0};
    eFontEffect m_font_effect{None};
    eMode m_mode{CommandButton};
    bool m_value{false};
    bool m_enabled{true};

    // Runtime state, all clear at creation: the pointer is over the button, a button is
    // held down on it, it has the focus (which shows no mark).
    bool m_hover{false};
    bool m_pressed{false};
    bool m_has_focus{false};

    // picButton holds the picture; the caption is measured in the surface's font.
    drawing::PictureHolder m_picButton{};
    // What the surface shows, when it is known, and the looks kept for coming back to.
    std::optional<Look> m_shown{};
    drawing::LookCache<Look> m_looks{};
    std::u16string m_caption{};
    uint64_t m_caption_version{0};
    // The hover poll and the auto-repeat timer, both stopped.
    controls::Timer m_tmrMouse{};
    controls::Timer m_tmrMouseDown{};
};

} // namespace paginor
