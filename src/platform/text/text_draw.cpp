// DrawText: prefix handling, line splitting, word breaking, ellipsis and alignment on top
// of the shaped runs that TextOut draws.
#include "platform/text/text.h"

#include "platform/text/text_shape.h"

#include <algorithm>

namespace paginor::platform {

namespace {

struct Line {
    std::u16string text;
    int mnemonic{-1};
};

// Removes mnemonic markers: "&&" is a plain "&", "&x" marks x.
Line strip_prefix(std::u16string_view s, bool keep) {
    Line out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (!keep && s[i] == u'&' && i + 1 < s.size()) {
            ++i;
            if (s[i] != u'&' && out.mnemonic < 0)
                out.mnemonic = int(out.text.size());
        } else if (!keep && s[i] == u'&') {
            continue;
        }
        out.text += s[i];
    }
    return out;
}

std::vector<Line> split_lines(const Line& all, bool single) {
    std::vector<Line> lines(1);
    for (size_t i = 0; i < all.text.size(); ++i) {
        char16_t c = all.text[i];
        if (int(i) == all.mnemonic)
            lines.back().mnemonic = int(lines.back().text.size());
        if (c == u'\r' || c == u'\n') {
            if (single)
                continue;
            if (c == u'\r' && i + 1 < all.text.size() && all.text[i + 1] == u'\n')
                ++i;
            lines.emplace_back();
            continue;
        }
        lines.back().text += c;
    }
    return lines;
}

// Greedy breaking between words; a word wider than the line stays whole.
std::vector<Line> break_words(const Line& line, FaceInstance& face, int width) {
    std::vector<Line> out;
    std::u16string_view s = line.text;
    size_t start = 0;
    while (true) {
        size_t end = start, fit = std::u16string_view::npos;
        while (end <= s.size()) {
            size_t next = s.find(u' ', end);
            size_t word_end = next == std::u16string_view::npos ? s.size() : next;
            if (fit != std::u16string_view::npos &&
                text::shape(face, s.substr(start, word_end - start)).width > width)
                break;
            fit = word_end;
            if (next == std::u16string_view::npos)
                break;
            end = next + 1;
        }
        Line piece{std::u16string(s.substr(start, fit - start)), -1};
        if (line.mnemonic >= int(start) && line.mnemonic < int(fit))
            piece.mnemonic = line.mnemonic - int(start);
        out.push_back(piece);
        if (fit >= s.size())
            break;
        start = fit;
        while (start < s.size() && s[start] == u' ')
            ++start;
        if (start >= s.size())
            break;
    }
    return out;
}

// Shortens a line so that it plus "..." fits; the bare "..." when nothing else does.
void add_ellipsis(Line& line, FaceInstance& face, int width) {
    if (text::shape(face, line.text).width <= width)
        return;
    std::u16string base = line.text;
    while (!base.empty() && text::shape(face, base + u"...").width > width)
        base.pop_back();
    line.text = base + u"...";
    if (line.mnemonic >= int(base.size()))
        line.mnemonic = -1;
}

} // namespace

int DrawText(HDC hdc, std::u16string_view s, RECT* rect, UINT format) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || !rect)
        return 0;
    FaceInstance& face = dc_face(d->font);
    const bool single = format & DT_SINGLELINE;
    const int width = rect->width();
    std::vector<Line> lines;
    for (const Line& l : split_lines(strip_prefix(s, format & DT_NOPREFIX), single)) {
        if ((format & DT_WORDBREAK) && !single) {
            for (Line& piece : break_words(l, face, width))
                lines.push_back(std::move(piece));
        } else {
            lines.push_back(l);
        }
    }
    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS))
        for (Line& l : lines)
            add_ellipsis(l, face, width);
    const int line_height = face.height();
    const int total = line_height * int(lines.size());
    int y = rect->top;
    if (single && (format & DT_VCENTER))
        y = (rect->top + rect->bottom - line_height) / 2;
    else if (single && (format & DT_BOTTOM))
        y = rect->bottom - line_height;
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& l : lines)
            widest = std::max(widest, text::shape(face, l.text).width);
        rect->right = rect->left + widest;
        rect->bottom = rect->top + total;
        return total;
    }
    RECT clip = (format & DT_NOCLIP)
                    ? RECT{INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2}
                    : *rect;
    int top = y;
    for (const Line& l : lines) {
        text::Run run = text::shape(face, l.text);
        int x = rect->left;
        if (format & DT_CENTER)
            x = (rect->left + rect->right - run.width) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - run.width;
        text::fill_background(*d, run, x, y, clip);
        text::render(*d, run, x, y, clip, l.mnemonic);
        y += line_height;
    }
    if (single && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - rect->top + total;
    return total;
}

} // namespace paginor::platform
