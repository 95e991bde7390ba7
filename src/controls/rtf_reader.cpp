#include "controls/rtf_reader.h"

#include "platform/core/unicode.h"

#include <algorithm>
#include <array>
#include <map>

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr std::u16string_view kDefaultFace = u"Times New Roman";

// Groups whose text is never shown: the document's metadata, pictures, headers, footers,
// field instructions and the tables newer writers add. (Any "\*" group is skipped too.)
constexpr std::array<std::u16string_view, 36> kSkippedDestinations{
    u"author",   u"buptim",    u"comment",  u"creatim",   u"doccomm",      u"footer",
    u"footerf",  u"footerl",   u"footerr",  u"footnote",  u"ftncn",        u"ftnsep",
    u"ftnsepc",  u"header",    u"headerf",  u"headerl",   u"headerr",      u"info",
    u"keywords", u"operator",  u"pict",     u"printim",   u"revtim",       u"stylesheet",
    u"subject",  u"title",     u"object",   u"fldinst",   u"listtable",    u"listoverridetable",
    u"rsidtbl",  u"themedata", u"xmlnstbl", u"datastore", u"latentstyles", u"generator"};

struct Symbol {
    std::u16string_view word;
    char16_t c;
};
constexpr std::array<Symbol, 11> kSymbols{{{u"tab", u'\t'},
                                           {u"line", u'\n'},
                                           {u"emdash", 0x2014},
                                           {u"endash", 0x2013},
                                           {u"emspace", 0x2003},
                                           {u"enspace", 0x2002},
                                           {u"bullet", 0x2022},
                                           {u"lquote", 0x2018},
                                           {u"rquote", 0x2019},
                                           {u"ldblquote", 0x201C},
                                           {u"rdblquote", 0x201D}}};

// Faces for font-table entries that name only a family.
std::u16string_view family_face(std::u16string_view family) {
    if (family == u"fswiss")
        return u"Arial";
    if (family == u"fmodern")
        return u"Courier New";
    return kDefaultFace;
}

bool is_letter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

int hex_value(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

enum class Dest { Text, Skip, FontTable, ColourTable };

// What a group carries and restores when it closes.
struct Group {
    Dest dest{Dest::Text};
    RichFormat format;
    int font{-1}; // -1: the document's default font
    int colour{0};
    int uc{1}; // fallback characters that follow \uN
};

class Reader {
  public:
    explicit Reader(std::u16string_view in) : m_in(in) { m_doc.paragraphs.emplace_back(); }

    RichDocument run() {
        while (m_pos < m_in.size()) {
            const char16_t c = m_in[m_pos++];
            if (c == u'{') {
                // Groups nested deeper than any writer nests them share their parent's state.
                if (m_stack.size() < kMaxDepth)
                    m_stack.push_back(m_group);
                else
                    ++m_flattened;
                m_skip = 0;
            } else if (c == u'}') {
                if (m_flattened > 0)
                    --m_flattened;
                else if (m_stack.empty() || close_group())
                    break;
            } else if (c == u'\\') {
                control();
            } else if (c != u'\r' && c != u'\n') {
                text(c);
            }
        }
        return std::move(m_doc);
    }

  private:
    // True when the outermost group closed: the document ends there.
    bool close_group() {
        if (m_group.dest == Dest::FontTable)
            commit_font();
        m_group = m_stack.back();
        m_stack.pop_back();
        m_skip = 0;
        m_dirty = true;
        return m_stack.empty();
    }

    void control() {
        if (m_pos >= m_in.size())
            return;
        const char16_t c = m_in[m_pos];
        if (!is_letter(c)) {
            ++m_pos;
            symbol(c);
            return;
        }
        const size_t start = m_pos;
        while (m_pos < m_in.size() && is_letter(m_in[m_pos]) && m_pos - start < 32)
            ++m_pos;
        const std::u16string_view word = m_in.substr(start, m_pos - start);
        bool negative = false, has_param = false;
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == u'-' && m_in[m_pos + 1] >= u'0' &&
            m_in[m_pos + 1] <= u'9') {
            negative = true;
            ++m_pos;
        }
        long param = 0;
        while (m_pos < m_in.size() && m_in[m_pos] >= u'0' && m_in[m_pos] <= u'9') {
            has_param = true;
            param = std::min(param * 10 + (m_in[m_pos++] - u'0'), 1'000'000'000L);
        }
        if (m_pos < m_in.size() && m_in[m_pos] == u' ')
            ++m_pos;
        control_word(word, has_param, int(negative ? -param : param));
    }

    void symbol(char16_t c) {
        switch (c) {
        case u'*':
            m_group.dest = Dest::Skip;
            return;
        case u'\'': {
            const int hi = m_pos < m_in.size() ? hex_value(m_in[m_pos]) : -1;
            const int lo = m_pos + 1 < m_in.size() ? hex_value(m_in[m_pos + 1]) : -1;
            if (hi < 0 || lo < 0)
                return;
            m_pos += 2;
            const char byte = char(hi * 16 + lo);
            text(from_codepage(std::string_view(&byte, 1))[0]);
            return;
        }
        case u'~':
            text(0x00A0);
            return;
        case u'_':
            text(u'-');
            return;
        case u'\r':
        case u'\n':
            paragraph();
            return;
        case u'\\':
        case u'{':
        case u'}':
            text(c);
            return;
        default: // "\-" (optional hyphen), "\:" and the rest show nothing
            return;
        }
    }

    void control_word(std::u16string_view word, bool has_param, int param) {
        // A control word stands for one fallback character of \uN.
        if (m_skip > 0 && m_group.dest == Dest::Text) {
            --m_skip;
            return;
        }
        const bool on = !has_param || param != 0;
        RichFormat& f = m_group.format;
        m_dirty = true;
        if (word == u"fonttbl")
            m_group.dest = Dest::FontTable;
        else if (word == u"colortbl")
            m_group.dest = Dest::ColourTable;
        else if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
                 kSkippedDestinations.end())
            m_group.dest = Dest::Skip;
        else if (m_group.dest == Dest::FontTable)
            font_table_word(word, param);
        else if (m_group.dest == Dest::ColourTable)
            colour_table_word(word, param);
        else if (word == u"deff")
            m_deff = param;
        else if (word == u"f")
            m_group.font = param;
        else if (word == u"fs")
            f.half_points = has_param && param > 0 ? std::min(param, 3276) : 24;
        else if (word == u"b")
            f.bold = on;
        else if (word == u"i")
            f.italic = on;
        else if (word == u"ul")
            f.underline = on;
        else if (word == u"ulnone")
            f.underline = false;
        else if (word == u"cf")
            m_group.colour = param;
        else if (word == u"plain") {
            f = RichFormat{};
            m_group.font = -1;
            m_group.colour = 0;
        } else if (word == u"par")
            paragraph();
        else if (word == u"uc")
            m_group.uc = std::clamp(param, 0, 16);
        else if (word == u"u") {
            text(char16_t(param < 0 ? param + 65536 : param));
            m_skip = m_group.uc;
        } else
            for (const Symbol& s : kSymbols)
                if (s.word == word)
                    text(s.c);
    }

    void font_table_word(std::u16string_view word, int param) {
        if (word == u"f") {
            commit_font();
            m_font_entry = param;
        } else if (word.size() > 1 && word[0] == u'f' && word != u"fcharset" && word != u"fprq") {
            m_font_family = std::u16string(word);
        }
    }

    void commit_font() {
        if (m_font_entry < 0)
            return;
        std::u16string name = m_font_name;
        while (!name.empty() && name.back() == u' ')
            name.pop_back();
        m_fonts[m_font_entry] = name.empty() ? std::u16string(family_face(m_font_family)) : name;
        m_font_entry = -1;
        m_font_name.clear();
        m_font_family.clear();
    }

    void colour_table_word(std::u16string_view word, int param) {
        const auto v = uint8_t(std::clamp(param, 0, 255));
        if (word == u"red")
            m_rgb[0] = v;
        else if (word == u"green")
            m_rgb[1] = v;
        else if (word == u"blue")
            m_rgb[2] = v;
    }

    void text(char16_t c) {
        switch (m_group.dest) {
        case Dest::Skip:
            return;
        case Dest::FontTable:
            if (c == u';')
                commit_font();
            else if (m_font_entry >= 0 && m_font_name.size() < 256)
                m_font_name += c;
            return;
        case Dest::ColourTable:
            if (c == u';' && m_colours.size() < 4096) {
                m_colours.push_back(pf::RGB(m_rgb[0], m_rgb[1], m_rgb[2]));
                m_rgb = {};
            }
            return;
        case Dest::Text:
            break;
        }
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        std::vector<RichRun>& runs = m_doc.paragraphs.back().runs;
        if (m_dirty || runs.empty()) {
            const RichFormat f = resolved();
            if (runs.empty() || !(runs.back().format == f))
                runs.push_back({f, {}});
            m_dirty = false;
        }
        runs.back().text += c;
    }

    RichFormat resolved() const {
        RichFormat f = m_group.format;
        const auto font = m_fonts.find(m_group.font >= 0 ? m_group.font : m_deff);
        f.face = font != m_fonts.end() ? font->second : std::u16string(kDefaultFace);
        // Entry 0 of the colour table is "auto", which is black on our white surface.
        const size_t colour = size_t(std::max(m_group.colour, 0));
        f.colour = colour > 0 && colour < m_colours.size() ? m_colours[colour] : 0;
        return f;
    }

    void paragraph() {
        if (m_group.dest != Dest::Text)
            return;
        m_doc.paragraphs.emplace_back();
        m_dirty = true;
    }

    static constexpr size_t kMaxDepth = 256;

    std::u16string_view m_in;
    size_t m_pos{0};
    size_t m_flattened{0}; // groups opened beyond kMaxDepth and not yet closed
    std::vector<Group> m_stack;
    Group m_group;
    bool m_dirty{true};
    int m_skip{0};
    int m_deff{0};
    std::map<int, std::u16string> m_fonts;
    int m_font_entry{-1};
    std::u16string m_font_name;
    std::u16string m_font_family;
    std::vector<pf::COLORREF> m_colours;
    std::array<uint8_t, 3> m_rgb{};
    RichDocument m_doc;
};

RichDocument read_plain(std::u16string_view text) {
    RichDocument doc;
    doc.paragraphs.emplace_back();
    const RichFormat format = plain_format();
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            doc.paragraphs.emplace_back();
            continue;
        }
        auto& runs = doc.paragraphs.back().runs;
        if (runs.empty())
            runs.push_back({format, {}});
        runs.back().text += c;
    }
    return doc;
}

} // namespace

std::u16string RichDocument::plain_text() const {
    std::u16string out;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            out += u"\r\n";
        for (const RichRun& run : paragraphs[i].runs)
            out += run.text;
    }
    return out;
}

RichFormat plain_format() {
    RichFormat f;
    f.face = u"Arial";
    f.half_points = 20;
    return f;
}

RichDocument read_rtf(std::u16string_view text) {
    if (!text.starts_with(u"{\\rtf"))
        return read_plain(text);
    return Reader(text).run();
}

std::u16string rtf_from_plain_text(std::u16string_view text) {
    std::u16string out = u"{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                         u"\\f0\\fs20 ";
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += u"\\par ";
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            out += u'\\';
            out += c;
        } else if (c == u'\t') {
            out += u"\\tab ";
        } else if (c > 0x7F || c < 0x20) {
            for (char ch : "\\u" + std::to_string(int(int16_t(c))) + "?")
                out += char16_t(ch);
        } else {
            out += c;
        }
    }
    return out + u"}";
}

} // namespace paginor::controls
