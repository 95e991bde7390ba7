// Rich text laid out for a width: runs broken into lines between words (a word wider
// than the line stands alone and is cut at the edge), tabs to the next half inch, line
// breaks kept, each line as high as its tallest font; then drawn at any scroll position.
// The layout owns the fonts it made and deletes them when it ends.
#pragma once

#include "controls/rtf_reader.h"

#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace paginor::controls {

class RichLayout {
  public:
    RichLayout() = default;
    // Lays out the document for lines of `width` pixels (a width below 1 counts as 1).
    RichLayout(const RichDocument& doc, int width);
    // The same, taking over the fonts of a former layout and the widths measured in them;
    // with stop_past, only the paragraphs down to the first that ends below that height.
    RichLayout(const RichDocument& doc, int width, RichLayout&& former,
               int stop_past = std::numeric_limits<int>::max());
    ~RichLayout();
    RichLayout(RichLayout&& other) noexcept;
    RichLayout& operator=(RichLayout&& other) noexcept;
    RichLayout(const RichLayout&) = delete;
    RichLayout& operator=(const RichLayout&) = delete;

    int height() const { return m_height; }
    int line_count() const { return int(m_lines.size()); }
    // Draws the lines that fall into rows [top, top + rows) of the content at the DC's row
    // 0, x offset by `left`; the DC's text colour, font and mode are restored after.
    void paint(platform::HDC hdc, int left, int top, int rows) const;

  private:
    struct Font {
        platform::HFONT handle{0};
        int ascent{0};
        int descent{0};
        // Texts measured in it: a long document repeats its words.
        std::unordered_map<std::u16string, int> widths;
    };
    struct Piece {
        int x{0};
        int width{0};
        const Font* font{nullptr};
        platform::COLORREF colour{0};
        std::u16string text;
    };
    struct Line {
        int top{0};
        int ascent{0};
        int height{0};
        std::vector<Piece> pieces;
    };
    using FontKey = std::tuple<std::u16string, int, bool, bool, bool>;

    Font& font_for(const RichFormat& f);
    void lay_paragraph(const RichParagraph& p, int width, platform::HDC measure);
    static int width_of(Font& font, platform::HDC measure, std::u16string_view text);
    void place(Line& line, const Font& font, platform::COLORREF colour, std::u16string_view text,
               int x, int width);
    void end_line(Line& line, const Font& fallback);
    void release();

    std::map<FontKey, Font> m_fonts;
    std::vector<Line> m_lines;
    RichFormat m_last_format{plain_format()};
    int m_height{0};
};

} // namespace paginor::controls
