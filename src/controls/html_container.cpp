#include "controls/html_container.h"

#include "controls/browser_address.h"
#include "controls/html_media_object.h"
#include "controls/picture_scale.h"
#include "platform/core/error.h"
#include "platform/core/system_profile.h"
#include "platform/core/unicode.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/font.h"
#include "platform/text/text.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr int kMediumBorder = 3;

pf::COLORREF colorref(litehtml::web_color c) {
    return pf::RGB(c.red, c.green, c.blue);
}

// The first family of a CSS list, unquoted, with the generic names as desktop faces.
std::u16string first_family(const char* list) {
    std::string name(list ? list : "");
    name = name.substr(0, name.find(','));
    auto blank = [](unsigned char c) { return std::isspace(c) || c == '"' || c == '\''; };
    while (!name.empty() && blank(name.back()))
        name.pop_back();
    name.erase(name.begin(),
               std::find_if(name.begin(), name.end(), [&](char c) { return !blank(c); }));
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (lower.empty() || lower == "serif")
        return u"Times New Roman";
    if (lower == "sans-serif")
        return u"Arial";
    if (lower == "monospace")
        return u"Courier New";
    return from_utf8(name);
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

HtmlContainer::HtmlContainer(std::string page_path)
    : m_page_path(std::move(page_path)), m_base_path(m_page_path),
      m_measure(pf::CreateCompatibleDC(0)) {}

HtmlContainer::~HtmlContainer() {
    pf::DeleteDC(m_measure);
}

litehtml::uint_ptr HtmlContainer::create_font(const litehtml::tchar_t* faceName, int size,
                                              int weight, litehtml::font_style italic,
                                              unsigned int decoration, litehtml::font_metrics* fm) {
    pf::LOGFONT request;
    request.height = -std::max(size, 1);
    request.weight = weight;
    request.italic = italic == litehtml::fontStyleItalic;
    request.underline = (decoration & litehtml::font_decoration_underline) != 0;
    request.strikeout = (decoration & litehtml::font_decoration_linethrough) != 0;
    request.face = first_family(faceName);
    const pf::HFONT font = pf::CreateFontIndirect(request);
    if (fm) {
        const pf::HGDIOBJ old = pf::SelectObject(m_measure, font);
        pf::TEXTMETRIC tm{};
        pf::GetTextMetrics(m_measure, &tm);
        pf::SelectObject(m_measure, old);
        fm->ascent = tm.tmAscent;
        fm->descent = tm.tmDescent;
        fm->height = tm.tmHeight;
        fm->x_height = std::max(1, tm.tmAscent / 2);
        fm->draw_spaces = request.underline || request.strikeout;
    }
    return font;
}

void HtmlContainer::delete_font(litehtml::uint_ptr hFont) {
    m_widths.erase(hFont); // a later font may get the same handle
    pf::DeleteObject(pf::HFONT(hFont));
}

// litehtml measures every word of a page as it reads it, and a long page repeats its words.
int HtmlContainer::text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) {
    std::unordered_map<std::string, int>& widths = m_widths[hFont];
    if (const auto known = widths.find(text); known != widths.end())
        return known->second;
    const int width = measure(text, hFont);
    widths.emplace(text, width);
    return width;
}

int HtmlContainer::measure(const char* text, litehtml::uint_ptr hFont) {
    const pf::HGDIOBJ old = pf::SelectObject(m_measure, pf::HFONT(hFont));
    pf::SIZE size{};
    pf::GetTextExtentPoint32(m_measure, from_utf8(text), &size);
    pf::SelectObject(m_measure, old);
    return size.cx;
}

void HtmlContainer::draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text,
                              litehtml::uint_ptr hFont, litehtml::web_color color,
                              const litehtml::position& pos) {
    const pf::HDC dc = pf::HDC(hdc);
    const pf::HGDIOBJ old = pf::SelectObject(dc, pf::HFONT(hFont));
    pf::SetTextColor(dc, colorref(color));
    pf::SetBkMode(dc, pf::TRANSPARENT);
    pf::TextOut(dc, pos.x, pos.y, from_utf8(text));
    pf::SelectObject(dc, old);
}

int HtmlContainer::pt_to_px(int pt) const {
    return pt * 1440 / (72 * std::max(pf::screen_twips_per_pixel_y(), 1));
}

void HtmlContainer::draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) {
    const litehtml::position& p = marker.pos;
    const int side = std::max(std::min(p.width, p.height) / 2, 2);
    const int x = p.x + (p.width - side) / 2, y = p.y + (p.height - side) / 2;
    const pf::RECT box{x, y, x + side, y + side};
    if (marker.marker_type == litehtml::list_style_type_circle) {
        const pf::HBRUSH brush = pf::CreateSolidBrush(colorref(marker.color));
        pf::FrameRect(pf::HDC(hdc), box, brush);
        pf::DeleteObject(brush);
    } else if (marker.marker_type != litehtml::list_style_type_none) {
        pf::fill_solid(pf::HDC(hdc), box, colorref(marker.color));
    }
}

std::optional<std::string> HtmlContainer::local_file(const char* src, const char* baseurl) const {
    if (!src || !*src)
        return std::nullopt;
    const std::string base = baseurl && *baseurl ? baseurl : m_base_path;
    const std::u16string resolved = resolve_reference(from_utf8(src), base);
    const BrowserAddress address = parse_browser_address(resolved);
    if (address.kind != BrowserAddress::Kind::File)
        return std::nullopt;
    return address.path;
}

void HtmlContainer::load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                               bool) {
    const std::optional<std::string> file = local_file(src, baseurl);
    if (!file || m_pictures.count(*file))
        return;
    const std::string bytes = read_file(*file);
    try {
        m_pictures[*file] = pf::decode_image(
            std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    } catch (const RuntimeError&) {
        m_pictures[*file] = pf::Image{}; // shows nothing, asked once
    }
}

const pf::Image* HtmlContainer::picture(const char* src, const char* baseurl) const {
    const std::optional<std::string> file = local_file(src, baseurl);
    if (!file)
        return nullptr;
    const auto found = m_pictures.find(*file);
    return found != m_pictures.end() && found->second.width > 0 ? &found->second : nullptr;
}

void HtmlContainer::get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                                   litehtml::size& sz) {
    const pf::Image* image = picture(src, baseurl);
    sz.width = image ? image->width : 0;
    sz.height = image ? image->height : 0;
}

void HtmlContainer::draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) {
    const pf::HDC dc = pf::HDC(hdc);
    const litehtml::position& c = bg.clip_box;
    const pf::RECT clip{c.x, c.y, c.x + c.width, c.y + c.height};
    if (bg.color.alpha > 0)
        pf::fill_solid(dc, clip, colorref(bg.color));
    const pf::Image* image = picture(bg.image.c_str(), bg.baseurl.c_str());
    if (!image || bg.image_size.width <= 0 || bg.image_size.height <= 0)
        return;
    const std::tuple key{bg.image + "|" + bg.baseurl, bg.image_size.width, bg.image_size.height};
    auto scaled = m_scaled.find(key);
    if (scaled == m_scaled.end())
        scaled =
            m_scaled.emplace(key, scale_smooth(*image, bg.image_size.width, bg.image_size.height))
                .first;
    draw_picture(dc, scaled->second, bg.position_x, bg.position_y, clip);
}

void HtmlContainer::draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& b,
                                 const litehtml::position& p, bool) {
    const pf::HDC dc = pf::HDC(hdc);
    // A visible style without a width reaches us as width 0 (litehtml resolves the keyword
    // "medium" to nothing); it is drawn at the medium width, inside the box.
    auto width = [](const litehtml::border& side) {
        if (side.style == litehtml::border_style_none ||
            side.style == litehtml::border_style_hidden)
            return 0;
        return side.width > 0 ? side.width : kMediumBorder;
    };
    const int l = width(b.left), t = width(b.top), r = width(b.right), btm = width(b.bottom);
    const int x0 = p.x, y0 = p.y, x1 = p.x + p.width, y1 = p.y + p.height;
    if (t > 0)
        pf::fill_solid(dc, {x0, y0, x1, y0 + t}, colorref(b.top.color));
    if (btm > 0)
        pf::fill_solid(dc, {x0, y1 - btm, x1, y1}, colorref(b.bottom.color));
    if (l > 0)
        pf::fill_solid(dc, {x0, y0, x0 + l, y1}, colorref(b.left.color));
    if (r > 0)
        pf::fill_solid(dc, {x1 - r, y0, x1, y1}, colorref(b.right.color));
}

void HtmlContainer::set_base_url(const litehtml::tchar_t* base_url) {
    if (const std::optional<std::string> file = local_file(base_url, m_page_path.c_str()))
        m_base_path = *file + "/";
}

void HtmlContainer::on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr&) {
    m_clicked = url ? url : "";
}

void HtmlContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt) {
    // Letters of the Latin-1 range; other scripts are left as they are.
    std::u16string wide = from_utf8(text);
    for (size_t i = 0; i < wide.size(); ++i) {
        const bool starts_word = i == 0 || wide[i - 1] == u' ';
        const bool up = tt == litehtml::text_transform_uppercase ||
                        (tt == litehtml::text_transform_capitalize && starts_word);
        if (wide[i] < 128)
            wide[i] = char16_t(up                                         ? std::toupper(wide[i])
                               : tt == litehtml::text_transform_lowercase ? std::tolower(wide[i])
                                                                          : wide[i]);
    }
    text = to_utf8(wide);
}

void HtmlContainer::import_css(litehtml::tstring& text, const litehtml::tstring& url,
                               litehtml::tstring& baseurl) {
    const std::optional<std::string> file = local_file(url.c_str(), baseurl.c_str());
    if (!file)
        return;
    text = read_file(*file);
    baseurl = *file;
}

void HtmlContainer::get_client_rect(litehtml::position& client) const {
    client = litehtml::position(0, 0, m_width, m_height);
}

std::shared_ptr<litehtml::element>
HtmlContainer::create_element(const litehtml::tchar_t* tag_name,
                              const litehtml::string_map& attributes,
                              const std::shared_ptr<litehtml::document>& doc) {
    if (is_media_object(tag_name, attributes))
        return std::make_shared<HtmlMediaObject>(doc, *this);
    return nullptr;
}

void HtmlContainer::get_media_features(litehtml::media_features& media) const {
    media.type = litehtml::media_type_screen;
    media.width = m_width;
    media.height = m_height;
    media.device_width = m_width;
    media.device_height = m_height;
    media.color = 8;
    media.monochrome = 0;
    media.color_index = 256;
    media.resolution = 1440 / std::max(pf::screen_twips_per_pixel_y(), 1);
}

void HtmlContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const {
    language = "en";
    culture = "";
}

} // namespace paginor::controls
