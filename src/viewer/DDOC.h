// DDOC: the document viewer, a control placed on a form. The host gives it search inputs
// (hits, index fields, index path) and a document path; TheDocument prepares a rendition
// the browser can show in the temporary folder and fills the rich-text box; TheView shows
// one surface and loads the browser. It also copies documents even while they are open
// and reports the document's subject.
//
// Children: picBG covers the viewer; picHolder inside it holds Image1 (shown only before
// any document), RTB01 and WebBrowser1 (hidden at start). Timer1 (2000 ms, off) enables
// picHolder again after a PDF is laid out.
//
// Re-entrancy: the layout of a PDF, TheView and the browser loading let pending events run
// in place. A host may then resize the viewer, call any member, or let it go: every step
// after such a point looks again at what is left, and a redraw suspended here is resumed.
//
// A viewer that is not placed on a form has no window and no children: TheDocument makes
// its renditions (the rich text is kept), and its browser counts as hidden.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "controls/Image.h"
#include "controls/PictureBox.h"
#include "controls/RichTextBox.h"
#include "controls/Timer.h"
#include "controls/WebBrowser.h"
#include "frame/control.h"

#include <memory>
#include <string>

namespace paginor {

class DDOC final : public frame::Control<_DDOC> {
  public:
    DDOC();

    // _DDOC, in the type library's order.
    HRESULT put_TheDocument(BSTR New_TheDocument) override;
    HRESULT put_TheHits(BSTR New_TheHits) override;
    HRESULT put_TheIndexFields(BSTR New_TheIndexFields) override;
    HRESULT put_TheIndexPath(BSTR New_TheIndexPath) override;
    HRESULT put_TheView(eView New_TheView) override;
    HRESULT SetIndexFields(BSTR strNew) override;
    HRESULT Clear() override;
    HRESULT Reload() override;
    HRESULT CopyDocEvenIfOpen(BSTR strFrom, BSTR strTo) override;
    // E_POINTER for a null out pointer.
    HRESULT get_DocSubject(BSTR* retval) override;

    // The search inputs as the renditions read them (the host can only write them).
    const std::u16string& hits() const { return m_hits; }
    const std::u16string& index_fields() const { return m_index_fields; }
    const std::u16string& index_path() const { return m_index_path; }
    // The state, for tests and the library's own tools.
    int display_mode() const { return m_display_mode; }
    const std::u16string& doc_url() const { return m_doc_url; }
    bool doc_loaded() const { return m_doc_loaded; }
    eView view() const { return m_view; }
    // The rich text of the last rendition (also while unsited).
    const std::u16string& rich_text() const { return m_rtf_in_box ? m_rtb->TextRTF() : m_rtf; }
    // The children; null while the viewer has no window.
    const controls::PictureBox* picHolder() const { return m_picHolder.get(); }
    const controls::WebBrowser* WebBrowser1() const { return m_browser.get(); }
    const controls::RichTextBox* RTB01() const { return m_rtb.get(); }
    const controls::Image& Image1() const { return m_image1; }
    const controls::Timer& Timer1() const { return m_timer1; }

  private:
    ~DDOC() override;

    void UserControl_Initialize() override;
    void UserControl_Show() override;
    void UserControl_Resize() override;
    void UserControl_Terminate() override;
    void Timer1_Timer();

    void TheDocument(const std::u16string& strNew);
    void ShowRendition(const std::u16string& strNew, const std::u16string& stamp,
                       const std::u16string& ext);
    void SetRichText(std::u16string rtf);
    void ArrangeView();
    void ShowInBrowser();
    void LoadBrowser();
    void PlaceBrowser();
    // Lets pending events run; false when the viewer lost its children meanwhile.
    bool PumpEvents();

    std::u16string m_hits;
    std::u16string m_index_fields;
    std::u16string m_index_path;
    std::u16string m_subject; // nothing in the viewer fills it; renditions empty it

    int m_display_mode{0};
    std::u16string m_doc_url;
    bool m_doc_loaded{false};
    eView m_view{evHTML};
    // Megabytes of rich text are held once: by the box while it holds the last rendition's
    // (m_rtf is then empty), else here.
    std::u16string m_rtf;
    bool m_rtf_in_box{false};
    bool m_locking{false}; // a load of this viewer holds the redraw lock

    controls::Image m_image1; // outlives picHolder, which paints it
    std::unique_ptr<controls::PictureBox> m_picBG;
    std::unique_ptr<controls::PictureBox> m_picHolder;
    std::unique_ptr<controls::RichTextBox> m_rtb;
    std::unique_ptr<controls::WebBrowser> m_browser;
    controls::Timer m_timer1;
};

} // namespace paginor
