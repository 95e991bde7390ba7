// PromptField's layout pass: caption, add button, entry box and the prompt or calendar
// button in one row, the per-style look of the text box, and TooSmall when the box does
// not fit. Positions are twips; the screen's twips per pixel is read on every pass.
#include "automation/foreign.h"
#include "automation/variant.h"
#include "frame/twips.h"
#include "prompts/PromptField.h"

#include <cmath>

namespace paginor {

namespace {

constexpr OLE_COLOR kInfoBackground = 0x80000018;
constexpr OLE_COLOR kWindowBackground = 0x80000005;
constexpr OLE_COLOR kButtonFace = 0x8000000F;

// Halves to even, as the field's arithmetic always rounded.
double rounded(double twips) {
    return std::nearbyint(twips);
}

// One late-bound property read (with an optional index) of an object the host gave.
PAGINOR_FOREIGN_CALLS HRESULT read(IDispatch* object, const char16_t* name,
                                   automation::Variant& out, const VARIANT* index = nullptr) {
    if (!object)
        return E_POINTER;
    OLECHAR* names[] = {const_cast<OLECHAR*>(name)};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    if (FAILED(hr))
        return hr;
    VARIANT arg = index ? *index : VARIANT{};
    DISPPARAMS params{index ? &arg : nullptr, nullptr, index ? 1u : 0u, 0};
    EXCEPINFO excep{};
    hr = object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &params, out.out(), &excep, nullptr);
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
    return hr;
}

bool read_colour(IDispatch* object, OLE_COLOR& colour) {
    automation::Variant value;
    if (FAILED(read(object, u"BackColor", value)))
        return false;
    automation::Variant as_long;
    if (FAILED(VariantChangeType(as_long.out(), value.get(), 0, VT_I4)))
        return false;
    colour = static_cast<OLE_COLOR>(as_long.get()->lVal);
    return true;
}

} // namespace

void PromptField::ArrangeControls() {
    if (!m_txtValue || !m_cmbValue || !m_hPrompt || !m_hCal || !m_hAdd)
        return;
    const double px = frame::twips_per_pixel(frame::Axis::Across);
    m_hAdd->SetVisible(m_add_button);
    const OLE_COLOR backdrop = ContainerColour();
    m_too_small = false;

    const double label_right = (m_lblCapt.Left() + m_lblCapt.Width()) * px;
    const double add_left = m_box_left >= 1 ? m_box_left : label_right + 2 * px;
    const double box_left = m_add_button ? add_left + m_hAdd->Width() + 2 * px : add_left;
    const double width = Width();
    switch (m_style) {
    case sPFSPrompt:
    case sPFSDate:
        ArrangeButtonStyle(width, box_left, add_left);
        break;
    case sPFSDropdown:
        ArrangeBox(width, box_left, add_left, true);
        break;
    default:
        const bool entry = m_style == sPFSEntry;
        m_txtValue->SetBackColor(entry ? kWindowBackground : backdrop);
        m_txtValue->SetTabStop(entry);
        m_txtValue->SetLocked(!entry);
        ArrangeBox(width, box_left, add_left, false);
        break;
    }
    refresh();
}

void PromptField::ArrangeButtonStyle(double width, double box_left, double add_left) {
    using frame::Axis;
    const double px = frame::twips_per_pixel(Axis::Across);
    m_txtValue->SetBackColor(kInfoBackground);
    m_txtValue->SetTabStop(false);
    m_txtValue->SetLocked(true);
    m_cmbValue->SetVisible(false);
    (m_style == sPFSDate ? m_hCal : m_hPrompt)->SetVisible(true);

    const double x = rounded(width - m_hPrompt->Width() - 3 * px);
    if (x < 0) {
        m_too_small = true;
        m_hPrompt->SetVisible(false);
        m_hCal->SetVisible(false);
    }
    m_hPrompt->SetLeft(x);
    m_hCal->SetLeft(x);
    m_hCal->SetTop(m_hPrompt->Top());
    m_hAdd->SetTop(m_hPrompt->Top() + frame::twips_per_pixel(Axis::Down));
    m_hAdd->SetLeft(add_left);

    const int box_px = frame::twips_to_pixels(box_left, Axis::Across);
    m_cmbValue->Move(box_px, 0, m_cmbValue->Width(), m_cmbValue->Height());
    const double w = rounded(m_hPrompt->Left() - frame::pixels_to_twips(box_px, Axis::Across));
    if (w >= 0) {
        m_txtValue->SetVisible(true);
        m_txtValue->Move(box_px, m_txtValue->Top(), frame::twips_to_pixels(w, Axis::Across),
                         m_txtValue->Height());
    } else {
        m_too_small = true;
        m_txtValue->SetVisible(false);
        m_txtValue->Move(box_px, m_txtValue->Top(), m_txtValue->Width(), m_txtValue->Height());
    }
}

// The drop-down (list) or the entry and display-only styles (text box): the box runs to
// the right edge, one pixel short of it for the list.
void PromptField::ArrangeBox(double width, double box_left, double add_left, bool list) {
    using frame::Axis;
    m_hPrompt->SetVisible(false);
    m_hCal->SetVisible(false);
    (list ? static_cast<void>(m_txtValue->SetVisible(false))
          : static_cast<void>(m_cmbValue->SetVisible(false)));
    m_hAdd->SetLeft(add_left);
    const int box_px = frame::twips_to_pixels(box_left, Axis::Across);
    const double box_twips = frame::pixels_to_twips(box_px, Axis::Across);
    const double spare = list ? frame::twips_per_pixel(Axis::Across) : 0;
    const double w = rounded(width - box_twips - spare);
    const int w_px = w >= 0 ? frame::twips_to_pixels(w, Axis::Across) : -1;
    if (w < 0)
        m_too_small = true;
    if (list) {
        m_txtValue->Move(box_px, m_txtValue->Top(), m_txtValue->Width(), m_txtValue->Height());
        m_cmbValue->SetVisible(w >= 0);
        m_cmbValue->Move(box_px, 0, w >= 0 ? w_px : m_cmbValue->Width(), m_cmbValue->Height());
    } else {
        m_cmbValue->Move(box_px, 0, m_cmbValue->Width(), m_cmbValue->Height());
        m_txtValue->SetVisible(w >= 0);
        m_txtValue->Move(box_px, m_txtValue->Top(), w >= 0 ? w_px : m_txtValue->Width(),
                         m_txtValue->Height());
    }
}

// The background behind the prompt fields: the container of the last field on the
// parent, else the parent's own, else the button face. Every failed read is forgotten.
OLE_COLOR PromptField::ContainerColour() const {
    IDispatch* parent = Parent();
    bool failed = false;
    bool found = false;
    OLE_COLOR colour = kButtonFace;
    automation::Variant controls;
    automation::Variant given;
    automation::Variant count;
    if (FAILED(read(parent, u"Controls", controls)) || controls.vt() != VT_DISPATCH ||
        !controls->pdispVal || FAILED(read(controls->pdispVal, u"Count", given)) ||
        FAILED(VariantChangeType(count.out(), given.get(), 0, VT_I4))) {
        failed = true;
    } else {
        for (LONG i = 0; i < count.get()->lVal; ++i) {
            VARIANT index{};
            index.vt = VT_I4;
            index.lVal = i;
            automation::Variant extender, type, container;
            if (FAILED(read(controls.get()->pdispVal, u"Item", extender, &index)) ||
                extender.get()->vt != VT_DISPATCH) {
                failed = true;
                continue;
            }
            IDispatch* one = extender.get()->pdispVal;
            if (FAILED(read(one, u"TypeName", type)) || type.get()->vt != VT_BSTR) {
                failed = true;
                continue;
            }
            if (automation::bstr_view(type.get()->bstrVal) != u"PromptField")
                continue;
            if (SUCCEEDED(read(one, u"Container", container)) &&
                container.get()->vt == VT_DISPATCH &&
                read_colour(container.get()->pdispVal, colour))
                found = true;
        }
    }
    if (failed || !found) {
        if (!read_colour(parent, colour))
            colour = kButtonFace;
    }
    return colour;
}

} // namespace paginor
