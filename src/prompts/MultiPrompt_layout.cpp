// MultiPrompt's layout pass: the clear button at the right edge, the selection-type list
// after the caption (or at BoxLeft), the value box and the buttons by style. Lengths are
// twips, rounded to whole twips; the children take them in pixels.
#include "prompts/MultiPrompt.h"

#include "frame/nested_control.h"
#include "frame/twips.h"
#include "prompts/multi_dates.h"

#include <cmath>

namespace paginor {

namespace {

using frame::Axis;

constexpr OLE_COLOR kWindow = 0x80000005, kInfo = 0x80000018, kButtonFace = 0x8000000F;
constexpr const char16_t* kPickHint = u"Select the date(s) using the calendar button on the right.";

double px() {
    return frame::twips_per_pixel(Axis::Across);
}
int to_px(double twips) {
    return frame::twips_to_pixels(twips, Axis::Across);
}
double to_twips(int pixels) {
    return frame::pixels_to_twips(pixels, Axis::Across);
}

} // namespace

void MultiPrompt::ArrangeControls() {
    if (gone() || !m_txtValue)
        return;
    m_too_small = false;
    const double clear_left = std::round(to_twips(ScaleWidth()) - m_btnClear->Width());
    if (clear_left > 0)
        m_btnClear->SetLeft(clear_left);

    const double type_width = to_twips(m_cmbSelectionType->Width());
    double type_left = 0, value_left = 0;
    if (m_box_left < 1) {
        const double caption_right = to_twips(m_lblCapt.Left() + m_lblCapt.Width());
        type_left = caption_right + 2 * px();
        value_left = caption_right + type_width + 4 * px();
    } else {
        type_left = m_box_left;
        value_left = m_box_left + type_width + 2 * px();
    }
    m_cmbSelectionType->Move(to_px(type_left), 0, m_cmbSelectionType->Width(),
                             m_cmbSelectionType->Height());

    const double btn_left = clear_left - m_hPrompt->Width();
    m_hPrompt->SetLeft(btn_left);
    m_hCal->SetLeft(btn_left);
    double width = clear_left - value_left;
    switch (m_style) {
    case sMPSPrompt:
        SetValueBoxLook(m_prompt_editable ? kWindow : kInfo, !m_prompt_editable, false);
        ShowButton(m_hPrompt, true), ShowButton(m_hCal, false);
        m_cmbValue->SetVisible(false);
        width = btn_left - value_left;
        if (btn_left < 0)
            m_too_small = true, ShowButton(m_hPrompt, false);
        break;
    case sMPSDate: {
        const bool in = TypeIndex() == 0;
        SetValueBoxLook(in ? kWindow : kInfo, !in, in);
        ShowButton(m_hPrompt, false);
        m_hCal->SetTop(m_hPrompt->Top());
        // Under "In" the dates are typed, so the calendar stays away at every pass.
        ShowButton(m_hCal, !in);
        m_cmbValue->SetVisible(false);
        width = in ? btn_left + m_hPrompt->Width() - value_left : btn_left - value_left;
        if (btn_left < 0)
            m_too_small = true;
        m_txtValue->SetToolTipText(in ? prompts::year_or_month_hint() : kPickHint);
        break;
    }
    case sMPSEntry:
        SetValueBoxLook(kWindow, false, true);
        ShowButton(m_hPrompt, false), ShowButton(m_hCal, false);
        m_cmbValue->SetVisible(false);
        break;
    case sMPSDisplayOnly:
        SetValueBoxLook(kButtonFace, true, false);
        ShowButton(m_hPrompt, false), ShowButton(m_hCal, false);
        m_cmbValue->SetVisible(false);
        break;
    case sMPSDropdown:
        ShowButton(m_hPrompt, false), ShowButton(m_hCal, false);
        ArrangeDropdown(clear_left, value_left);
        return;
    }
    if (width < 0) {
        m_too_small = true;
        m_txtValue->SetVisible(false);
        return;
    }
    m_too_small = false;
    PlaceValueBox(value_left, width);
    m_txtValue->SetVisible(true);
}

// The text box and the value list share the room, the list taking a third of it in
// whole pixels.
void MultiPrompt::ArrangeDropdown(double clear_left, double value_left) {
    const double avail = clear_left - value_left - px();
    if (avail - 2 * px() < 0) {
        m_too_small = true;
        m_cmbValue->SetVisible(false);
        return;
    }
    const double list = to_twips(int(std::lround(std::lround(avail / px()) / 3.0)));
    const double text = avail - list;
    PlaceValueBox(value_left, text);
    m_cmbValue->Move(to_px(value_left + text + 2 * px()), 0, to_px(list), m_cmbValue->Height());
    m_txtValue->SetVisible(true);
    m_cmbValue->SetVisible(true);
}

void MultiPrompt::SetValueBoxLook(OLE_COLOR back, bool locked, bool tab_stop) {
    m_txtValue->SetBackColor(back);
    m_txtValue->SetLocked(locked);
    m_txtValue->SetTabStop(tab_stop);
}

void MultiPrompt::PlaceValueBox(double left, double width) {
    m_txtValue->Move(to_px(left), m_txtValue->Top(), to_px(width), m_txtValue->Height());
}

void MultiPrompt::ShowButton(frame::NestedControl* button, bool on) {
    button->SetVisible(on);
}

// The value box, the value list and the two asking buttons take input only once a
// selection type is chosen.
void MultiPrompt::EnableEntry(bool on) {
    m_txtValue->SetEnabled(on);
    m_cmbValue->SetEnabled(on);
    EnableButtons(on);
}

void MultiPrompt::EnableButtons(bool on) {
    for (frame::NestedControl* button : {m_hPrompt, m_hCal}) {
        button->SetEnabled(on);
        Ref<_O2007Hover> hover;
        if (SUCCEEDED(button->object()->QueryInterface(IID__O2007Hover, hover.put_void())))
            hover->put_Enabled(on ? VARIANT_TRUE : VARIANT_FALSE);
    }
}

} // namespace paginor
