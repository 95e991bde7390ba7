#include "controls/WebBrowser.h"
#include "controls/html_pieces.h"
#include "controls/html_text.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/message_ids.h"

#include "browser_pages.h"
#include "support/file_test_dir.h"
#include "support/parent_window.h"
#include "support/raster_golden.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace paginor;
namespace pf = paginor::platform;
using controls::WebBrowser;

namespace {

std::string url_of(const FileTestDir& dir, const std::string& name) {
    return "file://" + (dir.path() / name).lexically_normal().string();
}

class WebBrowserTest : public testing_support::ParentWindowTest {
  protected:
    WebBrowserTest() : ParentWindowTest(400, 300) {
        dir.write(u"hits.html", browser_pages::hit_page(40));
        dir.write(u"other page.html", "<p>Other</p>");
        browser = std::make_unique<WebBrowser>(parent, pf::RECT{0, 0, 320, 240});
    }
    std::u16string at(const char* name) const { return dir / from_utf8(name); }

    FileTestDir dir;
    std::unique_ptr<WebBrowser> browser;
};

// One row per call: what the browser reads after it.
struct Seen {
    int ready;
    std::string location; // "" or a file name in the test folder, "#" and fragment kept
    int index;
    int count;
    bool error;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Seen& s) {
    return os << "{" << s.ready << ", \"" << s.location << "\", " << s.index << ", " << s.count
              << ", " << s.error << "}";
}

TEST_F(WebBrowserTest, CallTablesOfNavigationHistoryAndRefresh) {
    const std::string hits = url_of(dir, "hits.html"), other = url_of(dir, "other%20page.html");
    struct Call {
        std::function<void(WebBrowser&)> call;
        Seen expected;
    };
    auto nav = [&](const char* name, int flags = 0) {
        return [this, name, flags](WebBrowser& b) { b.Navigate2(at(name), flags); };
    };
    auto pump = [](WebBrowser&) { pf::DoEvents(); };
    auto back = [](WebBrowser& b) { b.GoBack(); };
    auto refresh = [](WebBrowser& b) { b.Refresh2(3); };
    const std::vector<std::pair<const char*, std::vector<Call>>> scenarios = {
        {"navigate then pump",
         {{nav("hits.html#Hit1"), {1, "", -1, 0, false}},
          {pump, {4, hits + "#Hit1", 0, 1, false}}}},
        {"a newer navigation cancels the pending one",
         {{nav("hits.html"), {1, "", -1, 0, false}},
          {nav("other page.html"), {1, "", -1, 0, false}},
          {pump, {4, other, 0, 1, false}}}},
        {"back through the history, replace without an entry",
         {{nav("hits.html"), {1, "", -1, 0, false}},
          {pump, {4, hits, 0, 1, false}},
          {nav("other page.html"), {1, hits, 0, 1, false}},
          {pump, {4, other, 1, 2, false}},
          {nav("hits.html#Hit2", WebBrowser::navNoHistory), {1, other, 1, 2, false}},
          {pump, {4, hits + "#Hit2", 1, 2, false}},
          {back, {4, hits, 0, 2, false}}}},
        {"refresh during a load restarts it",
         {{nav("hits.html#Hit3"), {1, "", -1, 0, false}},
          {refresh, {1, "", -1, 0, false}},
          {pump, {4, hits + "#Hit3", 0, 1, false}},
          {refresh, {1, hits + "#Hit3", 0, 1, false}},
          {pump, {4, hits + "#Hit3", 0, 1, false}}}},
        {"about:blank",
         {{[](WebBrowser& b) { b.Navigate2(u"about:blank"); }, {1, "", -1, 0, false}},
          {pump, {4, "about:blank", 0, 1, false}}}},
    };
    for (const auto& [name, calls] : scenarios) {
        browser = std::make_unique<WebBrowser>(parent, pf::RECT{0, 0, 320, 240});
        EXPECT_EQ(browser->ReadyState(), 4) << "a fresh browser is complete";
        for (size_t i = 0; i < calls.size(); ++i) {
            calls[i].call(*browser);
            const Seen seen{browser->ReadyState(), to_utf8(browser->LocationURL()),
                            browser->HistoryIndex(), browser->HistoryCount(),
                            browser->ShowsErrorPage()};
            if (!(seen == calls[i].expected)) {
                ADD_FAILURE() << name << ", call " << i << ": saw " << seen << ", expected "
                              << calls[i].expected;
                break;
            }
        }
    }
}

TEST_F(WebBrowserTest, GoBackAtTheStartRaises) {
    for (int loads : {0, 1}) {
        if (loads) {
            browser->Navigate2(at("hits.html"));
            pf::DoEvents();
        }
        try {
            browser->GoBack();
            ADD_FAILURE() << "GoBack after " << loads << " loads did not raise";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(uint32_t(e.hr()), 0x80004005u);
        }
    }
}

TEST_F(WebBrowserTest, EveryFailingAddressEndsCompleteOnTheErrorPage) {
    dir.write(u"binary.html", std::string("MZ\0\0\x90\x01", 6));
    dir.write(u"damaged.pdf", "%PDF-1.4\n1 0 obj << /Type /Catalog >> garbage");
    std::filesystem::create_directories(dir.path() / "folder.html");
    for (const std::u16string& address :
         {at("missing.html"), at("folder.html"), std::u16string(u"http://example.com/a.html"),
          std::u16string(u"ftp://host/x"), at("binary.html"), at("damaged.pdf")}) {
        browser->Navigate2(address);
        EXPECT_LT(browser->ReadyState(), 4);
        pf::DoEvents();
        EXPECT_EQ(browser->ReadyState(), 4) << to_utf8(address);
        EXPECT_TRUE(browser->ShowsErrorPage()) << to_utf8(address);
    }
    browser->Navigate2(at("hits.html"));
    pf::DoEvents();
    EXPECT_FALSE(browser->ShowsErrorPage());
}

TEST_F(WebBrowserTest, AddressFormsReadBackAsFileUrls) {
    dir.write(u"50% \"quoted\".html", "<p>x</p>");
    const std::string hits = url_of(dir, "hits.html");
    const std::string odd = url_of(dir, "50%25%20%22quoted%22.html");
    std::string backslashed = to_utf8(at("hits.html"));
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    const std::vector<std::pair<std::u16string, std::string>> rows = {
        {at("hits.html#Hit2"), hits + "#Hit2"},
        {from_utf8(backslashed + "#Hit1"), hits + "#Hit1"},
        {u"  \"" + at("hits.html") + u"\"  ", hits},
        {at("50% \"quoted\".html"), odd},
        {from_utf8(odd + "#Hit1"), odd + "#Hit1"},
        {at("missing.html#Hit1"), url_of(dir, "missing.html%23Hit1")},
        {u"ABOUT:BLANK", "about:blank"},
    };
    for (const auto& [address, expected] : rows) {
        browser->Navigate2(address);
        pf::DoEvents();
        EXPECT_EQ(to_utf8(browser->LocationURL()), expected) << to_utf8(address);
    }
}

TEST_F(WebBrowserTest, FragmentsHitLinksAndRefreshKeepTheScroll) {
    browser->Navigate2(at("hits.html#Hit3"));
    pf::DoEvents();
    const int hit3 = browser->ScrollTop();
    EXPECT_TRUE(testing_support::MatchesGolden(shown(browser->hWnd()), "browser_hit3"));

    browser->Navigate2(at("hits.html#NoSuchAnchor"));
    pf::DoEvents();
    EXPECT_EQ(browser->ScrollTop(), 0) << "a missing anchor stays at the top";

    // A same-second rewrite under the same name shows after Refresh2, at the same hit.
    browser->Navigate2(at("hits.html#Hit3"), WebBrowser::navNoHistory);
    pf::DoEvents();
    dir.write(u"hits.html", "<p>Before</p>" + browser_pages::hit_page(40));
    browser->Refresh2(3);
    pf::DoEvents();
    EXPECT_GT(browser->ScrollTop(), hit3) << "the new first paragraph pushes the hit down";

    // A link beside hit 3 leads to its neighbour: a new entry, scrolled there. Found by
    // clicking along the view, then clicked as a user would, first under a disabled form.
    const int before = browser->ScrollTop(), entries = browser->HistoryCount();
    int link_x = -1, link_y = -1;
    for (int y = 0; y < 240 && link_x < 0; y += 3)
        for (int x = 0; x < 300 && link_x < 0; x += 4) {
            pf::SendMessage(browser->hWnd(), pf::WM_LBUTTONDOWN, pf::MK_LBUTTON,
                            pf::MAKELPARAM(x, y));
            pf::SendMessage(browser->hWnd(), pf::WM_LBUTTONUP, 0, pf::MAKELPARAM(x, y));
            if (browser->HistoryCount() > entries) {
                link_x = x;
                link_y = y;
            }
        }
    ASSERT_GE(link_x, 0) << "no link answered a click";
    browser->GoBack();
    EXPECT_EQ(browser->ScrollTop(), before);
    pf::EnableWindow(parent, pf::FALSE);
    pf::Input::moveTo(link_x, link_y);
    pf::Input::click();
    pf::DoEvents();
    EXPECT_EQ(browser->HistoryIndex(), entries - 1) << "a disabled form holds the click back";
    pf::EnableWindow(parent, pf::TRUE);
    pf::Input::click();
    pf::DoEvents();
    EXPECT_EQ(browser->HistoryIndex(), entries);
    const std::string location = to_utf8(browser->LocationURL());
    EXPECT_TRUE(location.ends_with("#Hit2") || location.ends_with("#Hit4")) << location;
    EXPECT_NE(browser->ScrollTop(), before);
    EXPECT_EQ(browser->ReadyState(), 4) << "an in-page link loads nothing";
}

// Refresh2 reads a file again only when it changed: two rewrites of the same size, one
// given back its old modification time.
TEST_F(WebBrowserTest, RefreshKeepsTheReadPageOfAnUnchangedFileOnly) {
    namespace fs = std::filesystem;
    const std::string taller = "<p>a<br>b</p>", same_size = "<p>abcdef</p>";
    ASSERT_EQ(taller.size(), same_size.size());
    for (const bool touched : {false, true}) {
        dir.write(u"kept.html", same_size + browser_pages::hit_page(40));
        browser->Navigate2(at("kept.html#Hit3"));
        pf::DoEvents();
        const int hit3 = browser->ScrollTop();
        const fs::path file = dir.path() / "kept.html";
        const fs::file_time_type written = fs::last_write_time(file);
        dir.write(u"kept.html", taller + browser_pages::hit_page(40));
        fs::last_write_time(file, touched ? written + std::chrono::seconds(1) : written);
        browser->Refresh2(3);
        pf::DoEvents();
        EXPECT_EQ(browser->ScrollTop() > hit3, touched) << "touched: " << touched;
    }
}

// A long page's bar is judged from a part of it, and a longer one is read a piece at a
// time as it is shown; each shows exactly as the same paragraphs held in one block, which
// is read and judged whole, through loads, resizes and scrolling.
TEST_F(WebBrowserTest, ALongPageShowsAsTheSamePageInOneBlock) {
    // The third is found near its end not to be cut safely, and read again whole.
    const std::tuple<int, const char*, const char*> pages[] = {
        {600, "#Hit30", ""}, {6000, "#Hit400", ""}, {6000, "#Hit400", "<script></script>"}};
    for (const auto& [paragraphs, anchor, last] : pages) {
        std::string wrapped = browser_pages::hit_page(paragraphs);
        wrapped.insert(wrapped.find("</body>"), last);
        dir.write(u"long.html", wrapped);
        wrapped.replace(wrapped.find("<body>"), 6, "<body><div>");
        wrapped.replace(wrapped.find("</body>"), 7, "</div></body>");
        dir.write(u"wrapped.html", wrapped);
        const std::vector<std::function<void()>> steps = {
            [] {},
            [this] { browser->Move(0, 0, 200, 300); },
            [this] { pf::SendMessage(browser->hWnd(), pf::WM_KEYDOWN, pf::VK_HOME, 0); },
            [this] { pf::SendMessage(browser->hWnd(), pf::WM_KEYDOWN, pf::VK_NEXT, 0); },
            [this] { browser->Move(0, 0, 320, 200); },
            [this] { pf::SendMessage(browser->hWnd(), pf::WM_KEYDOWN, pf::VK_END, 0); },
            [this] { browser->Refresh2(3); },
        };
        std::vector<std::pair<int, pf::Image>> seen[2];
        for (int page = 0; page < 2; ++page) {
            browser = std::make_unique<WebBrowser>(parent, pf::RECT{0, 0, 320, 240});
            browser->Navigate2(
                at(((page ? "wrapped.html" : "long.html") + std::string(anchor)).c_str()));
            pf::DoEvents();
            for (const auto& step : steps) {
                step();
                pf::Image image = shown(browser->hWnd());
                seen[page].emplace_back(browser->ScrollTop(), std::move(image));
            }
        }
        // The bar of a page not yet read to its end stands for an estimate of its length.
        auto page_of = [](const pf::Image& image) {
            std::vector<uint32_t> rows;
            const int width = image.width - 16;
            for (int y = 0; y < image.height; ++y)
                rows.insert(rows.end(), image.pixels.begin() + y * image.width,
                            image.pixels.begin() + y * image.width + width);
            return rows;
        };
        for (size_t i = 0; i < steps.size(); ++i) {
            EXPECT_EQ(seen[0][i].first, seen[1][i].first) << paragraphs << ", step " << i;
            EXPECT_TRUE(page_of(seen[0][i].second) == page_of(seen[1][i].second))
                << paragraphs << ", step " << i;
        }
        EXPECT_TRUE(seen[0].back().second.pixels == seen[1].back().second.pixels)
            << "read to its end, the page's bar is its own";
        EXPECT_GT(seen[0][0].first, 0);
    }
}

TEST_F(WebBrowserTest, PagesOfEveryKindDrawAndStayAfterTheirFileGoes) {
    std::filesystem::copy_file(PAGINOR_TEST_DATA_DIR "/o2007hover_pic_normal.png",
                               dir.path() / "DisplayDoc20260101120000.qmview");
    dir.write(u"DisplayDoc20260101120000.html",
              browser_pages::image_page("DisplayDoc20260101120000.qmview"));
    dir.write(u"QMDoc20260101120000.html", browser_pages::notice_page("XYZ"));
    dir.write(u"ViewDoc20260101120000.html",
              browser_pages::media_page("ViewDoc20260101120000.MP3"));
    dir.write(u"PDFDisplay20260101120000.PDF", browser_pages::small_pdf());
    const std::pair<const char*, const char*> rows[] = {
        {"QMDoc20260101120000.html", "browser_notice"},
        {"DisplayDoc20260101120000.html", "browser_image"},
        {"ViewDoc20260101120000.html", "browser_media"},
        {"PDFDisplay20260101120000.PDF", "browser_pdf"},
    };
    browser = std::make_unique<WebBrowser>(parent, pf::RECT{0, 0, 400, 300});
    for (const auto& [file, golden] : rows) {
        browser->Navigate2(at(file));
        pf::DoEvents();
        EXPECT_FALSE(browser->ShowsErrorPage()) << file;
        std::filesystem::remove(dir.path() / file);
        browser->Refresh(); // the page repaints from what it read at load
        EXPECT_TRUE(testing_support::MatchesGolden(shown(browser->hWnd()), golden)) << file;
    }
}

TEST(HtmlText, ByteOrderMarkThenMetaCharsetThenWindows1252) {
    const std::pair<std::string, std::string> rows[] = {
        {"\xEF\xBB\xBF"
         "caf\xC3\xA9",
         "caf\xC3\xA9"},
        {"\xFF\xFE" + std::string("c\0\xE9\0\xAC\x20", 6), "c\xC3\xA9\xE2\x82\xAC"},
        {"\xFE\xFF" + std::string("\0c\0\xE9", 4), "c\xC3\xA9"},
        {"<meta charset=\"UTF-8\">caf\xC3\xA9", "<meta charset=\"UTF-8\">caf\xC3\xA9"},
        {"<META http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\x80",
         "<META http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=iso-8859-1\">\xE2\x82\xAC"},
        {"caf\xE9 \x93q\x94", "caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D"},
    };
    for (const auto& [bytes, utf8] : rows)
        EXPECT_EQ(controls::html_bytes_to_utf8(bytes), utf8) << bytes;
}

// A body is cut only where what comes before has closed, and only when nothing in it is
// read otherwise for following the cut: each piece after the first starts at a top-level
// paragraph.
TEST(HtmlPieces, CutOnlyBetweenClosedTopLevelElements) {
    const std::string paragraphs = "<p title=\"a>b<p>\">one</p>\r\n<p>two<br/></p><!-- c -->"
                                   "<p>three</p>\r\n<p>four</p>";
    const std::pair<std::string, bool> rows[] = {
        {"<html><head><title>a<body>b</title></head><body>" + paragraphs + "</body></html>", true},
        {"<body>" + paragraphs + "</body>\r\n<!-- end -->\r\n</html>\r\n", true},
        {"<body>" + paragraphs, true},
        {"<head><style>p { margin: 0 }</style></head><body><br>" + paragraphs, true},
        {"<head><style>p + p { margin: 0 }</style></head><body>" + paragraphs, false},
        {"<head><link rel=stylesheet href=a.css></head><body>" + paragraphs, false},
        {"<body>" + paragraphs + "<script>x</script>", false},
        {"<body>" + paragraphs + "<p><b>x</p></b>", false},
        {"<body>" + paragraphs + "<div/>", false},
        {"<body>" + paragraphs + "<p>open", false},
        {"<body>" + paragraphs + "<svg></svg>", false},
        {"<body>" + paragraphs + "<!-- a --!> <p> -->", false},
        {"<body>" + paragraphs + "</body>after", false},
        {"text<body>" + paragraphs, false},
        {paragraphs, false},
    };
    for (const auto& [page, cut] : rows) {
        const std::optional<controls::HtmlPieces> pieces = controls::cut_html_body(page, 8);
        ASSERT_EQ(pieces.has_value(), cut) << page;
        if (!pieces)
            continue;
        EXPECT_EQ(pieces->count(), 4u) << page;
        for (size_t i = 1; i < pieces->count(); ++i)
            EXPECT_EQ(page.substr(pieces->start(i), 3), "<p>") << page;
        EXPECT_TRUE(page.substr(pieces->start(3)).starts_with("<p>four</p>")) << page;
    }
}

} // namespace
