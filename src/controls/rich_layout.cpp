#include "controls/rich_layout.h"

#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/text/font.h"
#include "platform/text/text.h"

#include <algorithm>
#include <utility>

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr int kTab = 48; // half an inch at the reference density

bool breaks_word(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

} // namespace

RichLayout::RichLayout(const RichDocument& doc, int width) : RichLayout(doc, width, RichLayout()) {}

RichLayout::RichLayout(const RichDocument& doc, int width, RichLayout&& former, int stop_past)
    : m_fonts(std::exchange(former.m_fonts, {})) {
    former.m_lines.clear(); // they point into the fonts taken
    const pf::HDC measure = pf::CreateCompatibleDC(0);
    const pf::HGDIOBJ old = pf::GetCurrentObject(measure, pf::OBJ_FONT);
    for (size_t i = 0; i < doc.paragraphs.size() && m_height <= stop_past; ++i)
        lay_paragraph(doc.paragraphs[i], std::max(width, 1), measure);
    pf::SelectObject(measure, old);
    pf::DeleteDC(measure);
}

RichLayout::~RichLayout() {
    release();
}

RichLayout::RichLayout(RichLayout&& other) noexcept {
    *this = std::move(other);
}

RichLayout& RichLayout::operator=(RichLayout&& other) noexcept {
    std::swap(m_fonts, other.m_fonts);
    std::swap(m_lines, other.m_lines);
    std::swap(m_last_format, other.m_last_format);
    std::swap(m_height, other.m_height);
    return *this;
}

void RichLayout::release() {
    for (auto& [key, font] : m_fonts)
        pf::DeleteObject(font.handle);
    m_fonts.clear();
}

int RichLayout::width_of(Font& font, pf::HDC measure, std::u16string_view text) {
    std::u16string key(text);
    if (const auto known = font.widths.find(key); known != font.widths.end())
        return known->second;
    pf::SIZE size{};
    pf::GetTextExtentPoint32(measure, text, &size);
    font.widths.emplace(std::move(key), size.cx);
    return size.cx;
}

RichLayout::Font& RichLayout::font_for(const RichFormat& f) {
    FontKey key{f.face, f.half_points, f.bold, f.italic, f.underline};
    auto found = m_fonts.find(key);
    if (found != m_fonts.end())
        return found->second;
    Font font;
    font.handle = pf::create_font(f.face, f.half_points / 2.0, f.bold, f.italic, f.underline);
    const pf::HDC dc = pf::CreateCompatibleDC(0);
    const pf::HGDIOBJ old = pf::SelectObject(dc, font.handle);
    pf::TEXTMETRIC tm{};
    pf::GetTextMetrics(dc, &tm);
    pf::SelectObject(dc, old);
    pf::DeleteDC(dc);
    font.ascent = tm.tmAscent;
    font.descent = tm.tmDescent;
    return m_fonts.emplace(std::move(key), font).first->second;
}

void RichLayout::lay_paragraph(const RichParagraph& p, int width, pf::HDC measure) {
    Line line;
    int x = 0;
    for (const RichRun& run : p.runs) {
        Font& font = font_for(run.format);
        m_last_format = run.format;
        pf::SelectObject(measure, font.handle);
        const std::u16string& t = run.text;
        for (size_t i = 0; i < t.size();) {
            if (t[i] == u'\n' || t[i] == u'\t') {
                if (t[i] == u'\n') {
                    end_line(line, font);
                    x = 0;
                } else {
                    place(line, font, run.format.colour, {}, x, 0);
                    x = (x / kTab + 1) * kTab;
                }
                ++i;
                continue;
            }
            size_t word_end = i;
            while (word_end < t.size() && !breaks_word(t[word_end]))
                ++word_end;
            size_t end = word_end;
            while (end < t.size() && t[end] == u' ')
                ++end;
            const std::u16string_view piece = std::u16string_view(t).substr(i, end - i);
            if (x > 0 && x + width_of(font, measure, piece.substr(0, word_end - i)) > width) {
                end_line(line, font);
                x = 0;
            }
            const int w = width_of(font, measure, piece);
            place(line, font, run.format.colour, piece, x, w);
            x += w;
            i = end;
        }
    }
    end_line(line, font_for(m_last_format));
}

void RichLayout::place(Line& line, const Font& font, pf::COLORREF colour, std::u16string_view text,
                       int x, int width) {
    line.ascent = std::max(line.ascent, font.ascent);
    line.height = std::max(line.height, line.ascent + font.descent);
    if (text.empty())
        return;
    if (!line.pieces.empty()) {
        Piece& last = line.pieces.back();
        if (last.font == &font && last.colour == colour && last.x + last.width == x) {
            last.text += text;
            last.width += width;
            return;
        }
    }
    line.pieces.push_back({x, width, &font, colour, std::u16string(text)});
}

void RichLayout::end_line(Line& line, const Font& fallback) {
    if (line.height == 0) {
        line.ascent = fallback.ascent;
        line.height = fallback.ascent + fallback.descent;
    }
    line.top = m_height;
    m_height += line.height;
    m_lines.push_back(std::move(line));
    line = Line{};
}

void RichLayout::paint(pf::HDC hdc, int left, int top, int rows) const {
    const pf::HGDIOBJ old_font = pf::GetCurrentObject(hdc, pf::OBJ_FONT);
    const pf::COLORREF old_colour = pf::GetTextColor(hdc);
    const int old_mode = pf::SetBkMode(hdc, pf::TRANSPARENT);
    auto first = std::lower_bound(m_lines.begin(), m_lines.end(), top,
                                  [](const Line& l, int y) { return l.top + l.height <= y; });
    for (auto line = first; line != m_lines.end() && line->top < top + rows; ++line) {
        for (const Piece& piece : line->pieces) {
            pf::SelectObject(hdc, piece.font->handle);
            pf::SetTextColor(hdc, piece.colour);
            pf::TextOut(hdc, left + piece.x, line->top - top + line->ascent - piece.font->ascent,
                        piece.text);
        }
    }
    pf::SelectObject(hdc, old_font);
    pf::SetTextColor(hdc, old_colour);
    pf::SetBkMode(hdc, old_mode);
}

} // namespace paginor::controls
