#include "viewer/DDOC.h"

#include "automation/variant.h"
#include "viewer/copy_doc.h"
#include "viewer/index_fields.h"

#include <utility>

namespace paginor {

DDOC::DDOC() : Control(library::ClassId::DDOC) {
    m_timer1.SetEnabled(false);
    m_timer1.SetInterval(2000);
    m_timer1.on_timer = [this] { Timer1_Timer(); };
}

DDOC::~DDOC() {
    UserControl_Terminate();
}

HRESULT DDOC::put_TheDocument(BSTR New_TheDocument) {
    return guarded([&] { TheDocument(std::u16string(automation::bstr_view(New_TheDocument))); });
}

HRESULT DDOC::put_TheHits(BSTR New_TheHits) {
    return guarded([&] { m_hits = automation::bstr_view(New_TheHits); });
}

HRESULT DDOC::put_TheIndexFields(BSTR New_TheIndexFields) {
    return guarded([&] { m_index_fields = automation::bstr_view(New_TheIndexFields); });
}

HRESULT DDOC::put_TheIndexPath(BSTR New_TheIndexPath) {
    return guarded([&] { m_index_path = automation::bstr_view(New_TheIndexPath); });
}

HRESULT DDOC::put_TheView(eView New_TheView) {
    return guarded([&] {
        m_view = New_TheView;
        ArrangeView();
        if (New_TheView != evHTML || m_display_mode == 0 || !m_browser)
            return;
        PlaceBrowser();
        m_browser->SetVisible(true);
        if (PumpEvents())
            ShowInBrowser();
    });
}

// The old fields go first, so a fragment that fails leaves none rather than stale ones.
HRESULT DDOC::SetIndexFields(BSTR strNew) {
    return guarded([&] {
        m_index_fields.clear();
        m_index_fields = viewer::flatten_index_fields(automation::bstr_view(strNew), source());
    });
}

// Temporary files stay, and so does the subject.
HRESULT DDOC::Clear() {
    return guarded([&] {
        m_doc_loaded = false;
        m_hits.clear();
        m_index_fields.clear();
        m_index_path.clear();
        m_display_mode = 1;
        m_doc_url = u"about:blank";
        ShowInBrowser();
        m_rtf.clear();
        m_rtf_in_box = false;
        if (m_rtb)
            m_rtb->SetText(u"");
        ArrangeView();
    });
}

HRESULT DDOC::Reload() {
    return guarded([&] { ShowInBrowser(); });
}

HRESULT DDOC::CopyDocEvenIfOpen(BSTR strFrom, BSTR strTo) {
    viewer::CopyDocEvenIfOpen(automation::bstr_view(strFrom), automation::bstr_view(strTo));
    return S_OK;
}

HRESULT DDOC::get_DocSubject(BSTR* retval) {
    if (retval == nullptr) {
        return E_POINTER;
    }
    return guarded([&] { *retval = automation::make_bstr(m_subject); });
}

// --- The control's events ------------------------------------------------------------

void DDOC::UserControl_Initialize() {
    m_picBG = std::make_unique<controls::PictureBox>(hwnd(), platform::RECT{});
    m_picHolder = std::make_unique<controls::PictureBox>(m_picBG->hWnd(), platform::RECT{});
    m_picHolder->add_windowless(&m_image1);
    m_rtb = std::make_unique<controls::RichTextBox>(m_picHolder->hWnd(), platform::RECT{});
    m_browser =
        std::make_unique<controls::WebBrowser>(m_picHolder->hWnd(), platform::RECT{}, false);
    if (!m_rtf.empty()) {
        m_rtb->SetTextRTF(std::exchange(m_rtf, {}));
        m_rtf_in_box = true;
    }
}

void DDOC::UserControl_Show() {
    ShowInBrowser();
}

void DDOC::UserControl_Resize() {
    ArrangeView();
}

// Surfaces inside the holder go first, while their parent window still stands.
void DDOC::UserControl_Terminate() {
    m_timer1.SetEnabled(false);
    m_browser.reset();
    if (m_rtf_in_box)
        m_rtf = m_rtb->TextRTF(); // kept for a later siting
    m_rtf_in_box = false;
    m_rtb.reset();
    m_picHolder.reset();
    m_picBG.reset();
}

void DDOC::Timer1_Timer() {
    m_timer1.SetEnabled(false);
    if (m_picHolder)
        m_picHolder->SetEnabled(true);
}

IDispatch* library::make_DDOC() {
    return new DDOC();
}

} // namespace paginor
