// The browser surface: shows HTML pages (litehtml on our raster, our fonts and pictures,
// no scripts, no network), pictures through their pages, and PDF documents, on a
// document surface that scrolls (document_surface.h). A plain C++ class, not registered.
//
// Loading is asynchronous and runs on posted messages only: Navigate2 and Refresh2 drop
// ReadyState below 4 before they return, and the next DoEvents loads and brings it to 4.
// Every navigation ends at 4: what cannot be shown ends on our error page. A newer
// navigation cancels one still pending. A fresh browser is at 4 with LocationURL "".
//
// History: the entries loaded and the index of the one shown. GoBack moves at once and
// raises when there is no earlier entry; a click on an in-page link ("#Hit2") adds an
// entry for the same page and scrolls to the anchor.
#pragma once

#include "controls/browser_address.h"
#include "controls/browser_page.h"
#include "controls/document_surface.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace paginor::controls {

class WebBrowser final : public DocumentSurface {
  public:
    static constexpr int READYSTATE_LOADING = 1;
    static constexpr int READYSTATE_COMPLETE = 4;
    static constexpr int navNoHistory = 2; // Navigate2: replace the current entry
    static constexpr int REFRESH_COMPLETELY = 3;

    // Creates the browser blank as a child window of parent at rect (pixels of the
    // parent's client area). Throws RuntimeError 5 when parent is not a window.
    WebBrowser(HWND parent, RECT rect, bool visible = true);
    ~WebBrowser() override;

    int ReadyState() const { return m_ready; }
    // The address shown, as a URL ("file:///...#Hit1", "about:blank"); "" before any load.
    std::u16string LocationURL() const;
    // Shows the previous history entry; raises "Unspecified error" (E_FAIL) at the first.
    void GoBack();
    // Starts loading an address (browser_address.h); with navNoHistory in flags the page
    // takes the place of the current entry instead of adding one.
    void Navigate2(std::u16string_view url, int flags = 0);
    // Reads the current entry's file again (or restarts a pending load) and comes back to
    // its fragment's anchor. Any level reloads a file that changed; the page of a file
    // with the same path, size and modification time is kept as it was read and laid out.
    void Refresh2(int level = REFRESH_COMPLETELY);

    // For tests and hosts that show state: the history and whether the error page shows.
    int HistoryCount() const { return int(m_history.size()); }
    int HistoryIndex() const { return m_index; }
    bool ShowsErrorPage() const { return m_page && m_page->error_page; }

  private:
    struct Request {
        BrowserAddress address;
        bool replace{false};
        bool refresh{false};
    };

    void relayout(int width) override;
    int content_height_at_least(int width, int height) override;
    bool extend_to(int bottom) override;
    void paint_content(HDC hdc, int width, int top, int rows) override;
    void page_click(int x, int y) override;
    LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // What tells a file's contents apart without reading them.
    struct FileStamp {
        std::string path;
        std::uintmax_t size{0};
        std::filesystem::file_time_type modified;
        bool operator==(const FileStamp&) const = default;
    };
    static std::optional<FileStamp> stamp_of(const BrowserAddress& address);

    void start(Request request);
    void finish_load();
    // Replaces the page with what the address loads; stamp is its file's, taken before.
    void load(const BrowserAddress& address, std::optional<FileStamp> stamp);
    void scroll_to_fragment();
    void follow(std::u16string_view reference);

    int m_ready{READYSTATE_COMPLETE};
    unsigned m_generation{0};
    std::unique_ptr<Request> m_pending;
    std::vector<BrowserAddress> m_history;
    int m_index{-1};
    std::unique_ptr<BrowserPage> m_page;
    std::optional<FileStamp> m_page_stamp; // of the file m_page was read from
};

} // namespace paginor::controls
