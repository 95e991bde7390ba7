#include "controls/html_media_object.h"

#include "controls/html_container.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"

#include <algorithm>
#include <cctype>

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr std::string_view kPlayerClass = "22d6f312-b0f6-11d0-94ab-0080c74c7e95";

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

} // namespace

bool is_media_object(const char* tag, const litehtml::string_map& attributes) {
    if (!tag || lower(tag) != "object")
        return false;
    for (const auto& [name, value] : attributes)
        if (lower(name) == "classid" && lower(value).find(kPlayerClass) != std::string::npos)
            return true;
    return false;
}

HtmlMediaObject::HtmlMediaObject(const std::shared_ptr<litehtml::document>& doc,
                                 HtmlContainer& container)
    : litehtml::html_tag(doc), m_container(container) {}

void HtmlMediaObject::parse_attributes() {
    // The object's size comes from its attributes, as a replaced element's does.
    std::string style = "display:inline-block;";
    for (const char* side : {"width", "height"})
        if (const char* v = get_attr(side))
            style += std::string(side) + ":" + std::to_string(std::max(std::atoi(v), 0)) + "px;";
    if (const char* own = get_attr("style"))
        style += own;
    set_attr("style", style.c_str());
    litehtml::html_tag::parse_attributes();
}

std::string HtmlMediaObject::file_name() const {
    for (size_t i = 0; i < get_children_count(); ++i) {
        const litehtml::element::ptr child = get_child(int(i));
        const char* tag = child ? child->get_tagName() : nullptr;
        const char* name = child ? child->get_attr("name") : nullptr;
        if (tag && name && lower(tag) == "param" && lower(name) == "filename")
            return child->get_attr("value", "");
    }
    return {};
}

void HtmlMediaObject::draw(litehtml::uint_ptr hdc, int x, int y, const litehtml::position* clip) {
    litehtml::html_tag::draw(hdc, x, y, clip);
    litehtml::position box = m_pos;
    box.x += x;
    box.y += y;
    const pf::HDC dc = pf::HDC(hdc);
    const pf::RECT r{box.x, box.y, box.x + box.width, box.y + box.height};
    pf::fill_solid(dc, r, pf::RGB(0x20, 0x20, 0x40));
    const pf::HBRUSH frame = pf::CreateSolidBrush(pf::RGB(0x80, 0x80, 0xA0));
    pf::FrameRect(dc, r, frame);
    pf::DeleteObject(frame);
    litehtml::font_metrics fm;
    const litehtml::uint_ptr font = get_font(&fm);
    const std::string caption = "Media: " + file_name();
    const int width = m_container.text_width(caption.c_str(), font);
    const litehtml::position at(box.x + std::max((box.width - width) / 2, 4),
                                box.y + (box.height - fm.height) / 2, width, fm.height);
    m_container.draw_label(hdc, caption, font, litehtml::web_color(0xFF, 0xFF, 0xFF), at);
}

} // namespace paginor::controls
