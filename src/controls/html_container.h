// What litehtml draws through: our fonts (faces found through fontconfig, CSS generic
// families mapped to the desktop's faces), our raster (text, backgrounds, borders, list
// markers, pictures scaled smoothly), pictures read from local files at load (never from a
// network) and decoded by the platform, and the viewport as the page's client area. A
// "border: solid" without a width is drawn at the medium width.
#pragma once

#include "platform/image/image_codec.h"

#include <litehtml.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace paginor::controls {

class HtmlContainer final : public litehtml::document_container {
  public:
    // page_path: the page's file (UTF-8), against which references are resolved.
    explicit HtmlContainer(std::string page_path);
    ~HtmlContainer();

    void set_viewport(int width, int height) {
        m_width = width;
        m_height = height;
    }
    // The link litehtml reported clicked since the last call, if any.
    std::optional<std::string> take_clicked() { return std::exchange(m_clicked, std::nullopt); }
    // Draws `text` in `font` at a box (used by our own elements).
    void draw_label(litehtml::uint_ptr hdc, const std::string& text, litehtml::uint_ptr font,
                    litehtml::web_color colour, const litehtml::position& pos) {
        draw_text(hdc, text.c_str(), font, colour, pos);
    }

    litehtml::uint_ptr create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                   litehtml::font_style italic, unsigned int decoration,
                                   litehtml::font_metrics* fm) override;
    void delete_font(litehtml::uint_ptr hFont) override;
    int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) override;
    void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
                   litehtml::web_color color, const litehtml::position& pos) override;
    int pt_to_px(int pt) const override;
    int get_default_font_size() const override { return 16; }
    const litehtml::tchar_t* get_default_font_name() const override { return "Times New Roman"; }
    void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
    void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                    bool redraw_on_ready) override;
    void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                        litehtml::size& sz) override;
    void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
    void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders,
                      const litehtml::position& draw_pos, bool root) override;
    void set_caption(const litehtml::tchar_t*) override {}
    void set_base_url(const litehtml::tchar_t* base_url) override;
    void link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) override {}
    void on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr&) override;
    void set_cursor(const litehtml::tchar_t*) override {}
    void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
    void import_css(litehtml::tstring& text, const litehtml::tstring& url,
                    litehtml::tstring& baseurl) override;
    void set_clip(const litehtml::position&, const litehtml::border_radiuses&, bool,
                  bool) override {}
    void del_clip() override {}
    void get_client_rect(litehtml::position& client) const override;
    std::shared_ptr<litehtml::element>
    create_element(const litehtml::tchar_t* tag_name, const litehtml::string_map& attributes,
                   const std::shared_ptr<litehtml::document>& doc) override;
    void get_media_features(litehtml::media_features& media) const override;
    void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;

  private:
    // The local file a reference names, or none (another scheme, or nothing given).
    std::optional<std::string> local_file(const char* src, const char* baseurl) const;
    const platform::Image* picture(const char* src, const char* baseurl) const;
    int measure(const char* text, litehtml::uint_ptr font);

    std::string m_page_path;
    std::string m_base_path;
    int m_width{0};
    int m_height{0};
    platform::HDC m_measure{0};
    std::map<std::string, platform::Image> m_pictures; // by file, read at load
    std::map<std::tuple<std::string, int, int>, platform::Image> m_scaled;
    std::optional<std::string> m_clicked;
    // Widths of the texts measured, by font.
    std::unordered_map<litehtml::uint_ptr, std::unordered_map<std::string, int>> m_widths;
};

} // namespace paginor::controls
