// The viewer's layout and the browser's loading. Both may let pending events run, so a
// host's code can run in the middle: after each such point the children are looked up
// again, since the viewer may have lost them.
#include "viewer/DDOC.h"

#include "platform/window/message.h"
#include "platform/window/window.h"

namespace paginor {

namespace {
constexpr int kReady = controls::WebBrowser::READYSTATE_COMPLETE;
}

bool DDOC::PumpEvents() {
    platform::DoEvents();
    return m_picHolder && m_browser && m_rtb;
}

// The browser overlaps the holder by 2 pixels on every side, hiding its own edge.
void DDOC::PlaceBrowser() {
    m_browser->Move(-2, -2, m_picHolder->Width() + 4, m_picHolder->Height() + 4);
}

void DDOC::ArrangeView() {
    if (!m_picHolder)
        return;
    m_picBG->Move(0, 0, ScaleWidth(), ScaleHeight());
    m_rtb->SetVisible(false);
    m_image1.SetVisible(false);
    m_browser->SetVisible(false);
    m_picHolder->Move(0, 0, m_picBG->ScaleWidth(), m_picBG->ScaleHeight());
    m_picHolder->Refresh();
    if (m_view == evRTF) {
        m_rtb->Move(0, 0, m_picHolder->Width(), m_picHolder->Height());
        m_rtb->SetVisible(true);
        m_picHolder->SetEnabled(true);
        m_timer1.SetEnabled(false);
        return;
    }
    switch (m_display_mode) {
    case 0:
        m_image1.SetStretch(false);
        m_image1.Move(0, 0, m_image1.Width(), m_image1.Height());
        m_image1.SetVisible(true);
        m_picHolder->SetEnabled(true);
        m_timer1.SetEnabled(false);
        break;
    case 1:
    case 2:
        // A document being prepared keeps the browser alive at no size; a prepared one
        // waits hidden for TheView.
        m_browser->Move(m_browser->Left(), m_browser->Top(), 0, 0);
        if (!m_doc_loaded)
            m_browser->SetVisible(true);
        m_picHolder->SetEnabled(m_display_mode == 1);
        m_timer1.SetEnabled(false);
        // A PDF surface ignores input for a while after each layout.
        if (m_display_mode == 2 && PumpEvents())
            m_timer1.SetEnabled(true);
        break;
    default:
        break;
    }
}

void DDOC::ShowInBrowser() {
    if (m_view != evHTML || !m_browser || !m_browser->Visible())
        return;
    if (!PumpEvents() || m_browser->ReadyState() != kReady)
        return;
    // Only a lock taken here is released here: another window's lock is not ours, nor is
    // the one an outer load (that let this one run) holds.
    platform::HWND locked = 0;
    if (!m_locking && m_browser->Visible() && platform::LockWindowUpdate(m_picHolder->hWnd())) {
        locked = m_picHolder->hWnd();
        m_locking = true;
    }
    LoadBrowser();
    if (locked) {
        m_locking = false;
        if (platform::IsWindow(locked))
            platform::LockWindowUpdate(0);
    }
}

// Steps back through the history, then loads DocURL in place of the entry reached and
// waits for it to be ready, or for the browser to be hidden or gone.
void DDOC::LoadBrowser() {
    for (;;) {
        const std::u16string at = m_browser->LocationURL();
        if (at.empty() || at == u"http:///")
            break;
        try {
            m_browser->GoBack();
        } catch (...) {
            break; // no earlier page
        }
        if (!PumpEvents())
            return;
    }
    PlaceBrowser();
    m_browser->Navigate2(m_doc_url, controls::WebBrowser::navNoHistory);
    while (m_browser && m_browser->Visible()) {
        if (m_browser->ReadyState() == kReady) {
            m_browser->Refresh2(controls::WebBrowser::REFRESH_COMPLETELY);
            return;
        }
        if (!PumpEvents())
            return;
    }
}

} // namespace paginor
