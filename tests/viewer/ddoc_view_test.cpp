// The views: which surface shows, what the browser loads and when, the PDF holder's
// timer, and host code running wherever the viewer lets pending events run.
#include "platform/window/message.h"
#include "platform/window/message_ids.h"
#include "platform/window/window.h"
#include "support/host_form.h"
#include "support/raster_golden.h"
#include "viewer/viewer_host.h"

#include <functional>

namespace paginor::test {
namespace {

TEST(DdocView, SurfacesFollowTheViewTheDocumentAndTheSize) {
    ViewerHost host(true);
    const DDOC& v = host.ddoc();
    ASSERT_TRUE(host.view(evHTML)); // a new viewer shows its empty picture surface
    EXPECT_TRUE(v.Image1().Visible());
    EXPECT_FALSE(v.WebBrowser1()->Visible());

    host.temp.write(u"letter.docx", test_document("letter.docx"));
    host.viewer.put(u"TheHits", u"contract");
    ASSERT_TRUE(host.document(host.temp / u"letter.docx"));
    EXPECT_TRUE(v.WebBrowser1()->Visible()); // at no size until a view is chosen
    EXPECT_EQ(v.WebBrowser1()->Width(), 0);
    EXPECT_EQ(v.WebBrowser1()->LocationURL(), u"");

    ASSERT_TRUE(host.view(evHTML));
    PaginorDoEvents();
    EXPECT_EQ(v.WebBrowser1()->Left(), -2);
    EXPECT_EQ(v.WebBrowser1()->Width(), v.picHolder()->Width() + 4);
    EXPECT_TRUE(v.WebBrowser1()->LocationURL().ends_with(u".html#Hit1"));
    EXPECT_EQ(v.WebBrowser1()->HistoryCount(), 1);

    ASSERT_TRUE(host.view(evRTF));
    EXPECT_TRUE(v.RTB01()->Visible());
    EXPECT_FALSE(v.WebBrowser1()->Visible());

    ASSERT_TRUE(host.view(evHTML));
    ASSERT_TRUE(host.form->move(u"v", 0, 0, 5000, 4000));
    PaginorDoEvents();
    EXPECT_FALSE(v.WebBrowser1()->Visible()); // until the view is set again
    ASSERT_TRUE(host.viewer.call(u"Reload"));
    EXPECT_FALSE(v.WebBrowser1()->Visible());
    ASSERT_TRUE(host.view(evHTML));
    EXPECT_TRUE(v.WebBrowser1()->Visible());

    ASSERT_TRUE(host.viewer.call(u"Clear"));
    EXPECT_EQ(v.RTB01()->Text(), u"");
    EXPECT_FALSE(v.doc_loaded());
    ASSERT_TRUE(host.view(evHTML));
    PaginorDoEvents();
    EXPECT_EQ(v.WebBrowser1()->LocationURL(), u"about:blank");
    EXPECT_EQ(v.WebBrowser1()->HistoryCount(), 1); // each load took the one entry's place
}

// Host code run at the n-th pump from now: a window that repaints itself once per pump.
class PumpHook {
  public:
    PumpHook() {
        platform::WindowDesc desc;
        desc.rect = {0, 0, 4, 4};
        desc.proc = &proc;
        m_hwnd = platform::CreateWindow(desc);
        platform::SetWindowLongPtr(m_hwnd, platform::GWLP_USERDATA, platform::LONG_PTR(this));
    }
    ~PumpHook() { platform::DestroyWindow(m_hwnd); }
    void arm(int n, std::function<void()> action) {
        m_left = n, m_action = std::move(action);
        platform::InvalidateRect(m_hwnd, nullptr, 0);
    }
    bool fired() const { return m_left == 0; }

  private:
    static platform::LRESULT proc(platform::HWND hwnd, unsigned msg, platform::WPARAM,
                                  platform::LPARAM) {
        auto* self =
            reinterpret_cast<PumpHook*>(platform::GetWindowLongPtr(hwnd, platform::GWLP_USERDATA));
        if (msg == platform::WM_PAINT && self && self->m_left > 0) {
            platform::ValidateRect(hwnd, nullptr);
            if (--self->m_left == 0)
                self->m_action();
            else
                platform::InvalidateRect(hwnd, nullptr, 0);
        }
        return 0;
    }
    platform::HWND m_hwnd{0};
    int m_left{0};
    std::function<void()> m_action;
};

TEST(DdocView, APdfHolderIgnoresInputFor2000msAfterEachLayout) {
    ViewerHost host(true);
    host.temp.write(u"r.pdf", test_document("letter.pdf"));
    ASSERT_TRUE(host.document(host.temp / u"r.pdf"));
    const DDOC& v = host.ddoc();
    EXPECT_FALSE(v.picHolder()->Enabled());
    PaginorAdvanceClock(1500), PaginorDoEvents();
    ASSERT_TRUE(host.form->move(u"v", 0, 0, 5000, 4000)); // starts the 2000 ms again
    PaginorAdvanceClock(1500), PaginorDoEvents();
    EXPECT_FALSE(v.picHolder()->Enabled());
    PaginorAdvanceClock(600), PaginorDoEvents();
    EXPECT_TRUE(v.picHolder()->Enabled());
    EXPECT_FALSE(v.Timer1().Enabled());
}

// Wherever the viewer lets events run, a host may resize it, call into it or let it go;
// the call still ends, redrawing resumes and every reference is given back.
TEST(DdocView, HostCodeAtEveryPumpEndsCleanly) {
    enum Member { View, Reload, Pdf, Clear };
    enum Action { Resize, CallReload, CallClear, NewDocument, Release };
    for (Member member : {View, Reload, Pdf, Clear})
        for (int n = 1; n <= 4; ++n)
            for (Action action : {Resize, CallReload, CallClear, NewDocument, Release}) {
                SCOPED_TRACE(testing::Message() << member << " " << n << " " << action);
                {
                    ViewerHost host(true);
                    host.temp.write(u"l.docx", test_document("letter.docx"));
                    host.temp.write(u"r.pdf", test_document("letter.pdf"));
                    ASSERT_TRUE(host.document(host.temp / u"l.docx"));
                    if (member == Reload) {
                        ASSERT_TRUE(host.view(evHTML));
                    }
                    PumpHook hook;
                    hook.arm(n, [&] {
                        switch (action) {
                        case Resize:
                            host.form->move(u"v", 0, 0, 3000, 2000);
                            break;
                        case CallReload:
                            host.viewer.call(u"Reload");
                            break;
                        case CallClear:
                            host.viewer.call(u"Clear");
                            break;
                        case NewDocument:
                            (void)host.document(host.temp / u"l.docx");
                            break;
                        case Release:
                            host.form.reset(), host.viewer = Control();
                            break;
                        }
                    });
                    Control viewer = host.viewer; // the host's own hold for the call
                    const std::u16string pdf = host.temp / u"r.pdf";
                    if (member == View) {
                        EXPECT_TRUE(viewer.put(u"TheView", LONG(evHTML)));
                    } else if (member == Pdf) {
                        EXPECT_TRUE(viewer.put(u"TheDocument", std::u16string_view(pdf)));
                    } else {
                        EXPECT_TRUE(viewer.call(member == Reload ? u"Reload" : u"Clear"));
                    }
                    PaginorDoEvents();
                    if (n == 1) {
                        EXPECT_TRUE(hook.fired());
                    }
                    EXPECT_FALSE(platform::LockWindowUpdate(0)); // no lock left behind
                }
                EXPECT_EQ(DllCanUnloadNow(), S_OK);
            }
}

TEST(DdocView, GoldenViews) {
    struct Row {
        const char* name;
        const char* document;
        const char16_t* as;
        LONG view;
    } rows[] = {
        {"ddoc_docx_html", "letter.docx", u"letter.docx", evHTML},
        {"ddoc_docx_rtf", "letter.docx", u"letter.docx", evRTF},
        {"ddoc_picture", "../sample_16x8.jpg", u"p.jpg", evHTML},
        {"ddoc_fax", "fax.tif", u"f.tif", evHTML},
        {"ddoc_pdf", "letter.pdf", u"r.pdf", evHTML},
        {"ddoc_notice", "letter.txt", u"x.qqq", evHTML},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ViewerHost host(true);
        host.temp.write(row.as, test_document(row.document));
        host.viewer.put(u"TheHits", u"contract");
        ASSERT_TRUE(host.document(host.temp / row.as));
        ASSERT_TRUE(host.view(row.view));
        PaginorAdvanceClock(2100), PaginorDoEvents();
        EXPECT_TRUE(testing_support::MatchesGolden(rendered(*host.form, row.name), row.name));
    }
}

} // namespace
} // namespace paginor::test
