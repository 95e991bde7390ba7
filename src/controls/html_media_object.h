// The media player's OBJECT on a page: there is no player here, so it shows as a framed
// placeholder of the object's size naming the file its "fileName" parameter gives; its
// inner content (the EMBED fallback) is not drawn.
#pragma once

#include <litehtml.h>

namespace paginor::controls {

class HtmlContainer;

// Whether an element is the media player's object, by its class identifier.
bool is_media_object(const char* tag, const litehtml::string_map& attributes);

class HtmlMediaObject final : public litehtml::html_tag {
  public:
    HtmlMediaObject(const std::shared_ptr<litehtml::document>& doc, HtmlContainer& container);

    void parse_attributes() override;
    void draw(litehtml::uint_ptr hdc, int x, int y, const litehtml::position* clip) override;
    void draw_children(litehtml::uint_ptr, int, int, const litehtml::position*, litehtml::draw_flag,
                       int) override {}

  private:
    std::string file_name() const;

    HtmlContainer& m_container;
};

} // namespace paginor::controls
