#include "frame/form_file.h"

#include "platform/core/base64.h"
#include "platform/core/unicode.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace paginor::frame {

namespace {

constexpr std::string_view kHeader = "PaginorForm 1";
constexpr size_t kWrap = 64;

std::string indent(int level) {
    return std::string(size_t(level) * 4, ' ');
}

// Twips a place or size may hold: what a long holds. Larger numbers, infinities and NaN
// are refused when read; a record made in code is written with them clamped.
constexpr double kMaxTwips = 2147483647.0;

// Whole numbers as integers; others in the shortest text that reads back to the same
// double, so that a file read and written again keeps every value.
std::string number_text(double v) {
    v = std::isnan(v) ? 0 : std::clamp(v, -kMaxTwips, kMaxTwips);
    if (v == std::trunc(v))
        return std::to_string(static_cast<int64_t>(v));
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc{} ? std::string(buf, end) : "0";
}

std::string colour_text(OLE_COLOR c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "&H%08X&", static_cast<unsigned>(c));
    return buf;
}

std::string quoted(std::u16string_view text) {
    std::string out = "\"";
    for (char c : to_codepage(text)) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

void write_value(std::string& out, int level, const BagEntry& e) {
    out += indent(level) + to_codepage(e.name) + " = ";
    const BagValue& v = e.value;
    switch (v.kind) {
    case BagKind::None:
        out += "Nothing\n";
        return;
    case BagKind::Int16:
        out += "Integer " + std::to_string(v.number) + "\n";
        return;
    case BagKind::Int32:
        out += "Long " + std::to_string(v.number) + "\n";
        return;
    case BagKind::Boolean:
        out += v.number ? "Boolean True\n" : "Boolean False\n";
        return;
    case BagKind::Colour:
        out += "Colour " + colour_text(OLE_COLOR(v.number)) + "\n";
        return;
    case BagKind::String:
        out += "String " + quoted(v.text) + "\n";
        return;
    case BagKind::Font: {
        out += "Font " + quoted(v.text) + " " + number_text(v.number / 10000.0);
        const char* flags[] = {" Bold", " Italic", " Underline", " Strikethrough"};
        for (size_t i = 0; i < 4 && i < v.bytes.size(); ++i)
            if (v.bytes[i])
                out += flags[i];
        out += "\n";
        return;
    }
    case BagKind::Picture: {
        out += "Picture {\n";
        const std::string b64 = platform::base64_encode(v.bytes);
        for (size_t i = 0; i < b64.size(); i += kWrap)
            out += indent(level + 1) + b64.substr(i, kWrap) + "\n";
        out += indent(level) + "}\n";
        return;
    }
    }
}

} // namespace

std::string write_form_file(const FormRecord& form) {
    std::string out = std::string(kHeader) + "\n";
    out += "Begin Form " + to_codepage(form.name) + "\n";
    out += indent(1) + "Width = " + number_text(form.width) + "\n";
    out += indent(1) + "Height = " + number_text(form.height) + "\n";
    out += indent(1) + "BackColor = " + colour_text(form.back_color) + "\n";
    for (const FormControlRecord& c : form.controls) {
        out += indent(1) + "Begin " + to_codepage(c.progid) + " " + to_codepage(c.name) + "\n";
        if (!c.container.empty())
            out += indent(2) + "Container = " + quoted(c.container) + "\n";
        out += indent(2) + "Left = " + number_text(c.left) + "\n";
        out += indent(2) + "Top = " + number_text(c.top) + "\n";
        out += indent(2) + "Width = " + number_text(c.width) + "\n";
        out += indent(2) + "Height = " + number_text(c.height) + "\n";
        for (const BagEntry& e : c.bag.entries())
            write_value(out, 2, e);
        out += indent(1) + "End\n";
    }
    out += "End\n";
    return out;
}

// --- Reading -----------------------------------------------------------------------

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::optional<int64_t> parse_int(std::string_view s) {
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || end != s.data() + s.size() || s.empty())
        return std::nullopt;
    return v;
}

// A finite number within the twips a long holds.
std::optional<double> parse_number(std::string_view s) {
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || end != s.data() + s.size() || s.empty() ||
        !(std::fabs(v) <= kMaxTwips))
        return std::nullopt;
    return v;
}

std::optional<OLE_COLOR> parse_colour(std::string_view s) {
    if (s.size() < 4 || s.substr(0, 2) != "&H" || s.back() != '&')
        return std::nullopt;
    const std::string_view hex = s.substr(2, s.size() - 3);
    uint32_t v = 0;
    const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), v, 16);
    if (ec != std::errc{} || end != hex.data() + hex.size() || hex.empty())
        return std::nullopt;
    return v;
}

std::optional<std::u16string> parse_string(std::string_view s) {
    if (s.size() < 2 || s.front() != '"' || s.back() != '"')
        return std::nullopt;
    std::string bytes;
    for (size_t i = 1; i + 1 < s.size(); ++i) {
        if (s[i] == '"') {
            if (i + 2 >= s.size() || s[i + 1] != '"')
                return std::nullopt;
            ++i;
        }
        bytes += s[i];
    }
    return from_codepage(bytes);
}

class Reader {
  public:
    Reader(std::string_view text, FormRecord& out) : m_text(text), m_out(out) {}
    FormFileResult run();

  private:
    bool next(std::string_view& line);
    void fail(std::u16string_view entry, std::u16string description);
    bool split(std::string_view line, std::string_view& key, std::string_view& value);
    void form_begin_line(std::string_view line);
    void form_line(std::string_view line);
    void control_line(std::string_view line);
    bool bag_value(std::u16string_view key, std::string_view value, BagValue& out);
    bool font_value(std::string_view text, BagValue& out);
    void picture_line(std::string_view line);

    enum class State { Header, FormBegin, Form, Control, Picture, Done };
    std::string_view m_text;
    FormRecord& m_out;
    FormFileResult m_result{};
    State m_state{State::Header};
    int m_line{0};
    size_t m_pos{0};
    std::u16string m_picture_key{};
    std::string m_picture_text{};
};

bool Reader::next(std::string_view& line) {
    if (m_pos >= m_text.size())
        return false;
    const size_t end = m_text.find('\n', m_pos);
    const size_t stop = end == std::string_view::npos ? m_text.size() : end;
    line = trim(m_text.substr(m_pos, stop - m_pos));
    m_pos = stop + 1;
    ++m_line;
    return true;
}

void Reader::fail(std::u16string_view entry, std::u16string description) {
    if (!m_result.ok())
        return;
    m_result.line = m_line;
    m_result.entry = entry;
    m_result.description = std::move(description);
}

bool Reader::split(std::string_view line, std::string_view& key, std::string_view& value) {
    const size_t eq = line.find(" = ");
    if (eq == std::string_view::npos || eq == 0) {
        fail(from_codepage(line), u"expected 'Key = Value'");
        return false;
    }
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 3));
    // A key of nothing but blanks and carriage returns would be written as a line the
    // reader cannot split again.
    if (key.empty()) {
        fail(from_codepage(line), u"expected 'Key = Value'");
        return false;
    }
    return true;
}

FormFileResult Reader::run() {
    std::string_view line;
    while (m_result.ok() && next(line)) {
        if (line.empty() && m_state != State::Picture)
            continue;
        switch (m_state) {
        case State::Header:
            if (line != kHeader)
                fail(u"header", u"not a form file: the first line must be 'PaginorForm 1'");
            else
                m_state = State::FormBegin;
            break;
        case State::FormBegin:
            form_begin_line(line);
            break;
        case State::Form:
            form_line(line);
            break;
        case State::Control:
            control_line(line);
            break;
        case State::Picture:
            picture_line(line);
            break;
        case State::Done:
            fail(from_codepage(line), u"text after the form's End");
            break;
        }
    }
    if (m_result.ok() && m_state != State::Done) {
        ++m_line;
        fail(u"End", u"the file ends inside a block");
    }
    return m_result;
}

// Only the line after the header names the form: any later Begin opens a control, so that
// a control whose ProgID is "Form" reads back as the control it was written as. A form
// of no name is written as "Begin Form " and read back trimmed.
void Reader::form_begin_line(std::string_view line) {
    if (line != "Begin Form" && !line.starts_with("Begin Form ")) {
        fail(from_codepage(line), u"expected 'Begin Form name' after the header");
        return;
    }
    m_out.name = from_codepage(trim(line.substr(10)));
    m_state = State::Form;
}

void Reader::form_line(std::string_view line) {
    if (line == "End") {
        m_state = State::Done;
        return;
    }
    if (line.starts_with("Begin ")) {
        const std::string_view rest = trim(line.substr(6));
        const size_t space = rest.find(' ');
        if (space == std::string_view::npos) {
            fail(from_codepage(rest), u"a control block needs a ProgID and a name");
            return;
        }
        FormControlRecord c;
        c.progid = from_codepage(rest.substr(0, space));
        c.name = from_codepage(trim(rest.substr(space + 1)));
        m_out.controls.push_back(std::move(c));
        m_state = State::Control;
        return;
    }
    std::string_view key, value;
    if (!split(line, key, value))
        return;
    const std::u16string k = from_codepage(key);
    if (key == "BackColor") {
        if (auto c = parse_colour(value))
            m_out.back_color = *c;
        else
            fail(k, u"not a colour (&Hhex&)");
    } else if (key == "Width" || key == "Height") {
        if (auto n = parse_number(value))
            (key == "Width" ? m_out.width : m_out.height) = *n;
        else
            fail(k, u"not a number of twips (a finite number within a Long)");
    } else {
        fail(k, u"unknown form entry");
    }
}

void Reader::control_line(std::string_view line) {
    FormControlRecord& c = m_out.controls.back();
    if (line == "End") {
        m_state = State::Form;
        return;
    }
    std::string_view key, value;
    if (!split(line, key, value))
        return;
    const std::u16string k = from_codepage(key);
    double* geometry = key == "Left"     ? &c.left
                       : key == "Top"    ? &c.top
                       : key == "Width"  ? &c.width
                       : key == "Height" ? &c.height
                                         : nullptr;
    if (geometry) {
        if (auto n = parse_number(value))
            *geometry = *n;
        else
            fail(k, u"not a number of twips (a finite number within a Long)");
        return;
    }
    if (key == "Container") {
        if (auto s = parse_string(value))
            c.container = *s;
        else
            fail(k, u"not a quoted string");
        return;
    }
    if (value == "Picture {") {
        m_picture_key = k;
        m_picture_text.clear();
        m_state = State::Picture;
        return;
    }
    BagValue v;
    if (bag_value(k, value, v))
        c.bag.append({k, std::move(v)});
}

bool Reader::bag_value(std::u16string_view key, std::string_view value, BagValue& out) {
    if (value == "Nothing") {
        out = BagValue::none();
        return true;
    }
    const size_t space = value.find(' ');
    const std::string_view kind = value.substr(0, space);
    const std::string_view text = space == std::string_view::npos ? "" : trim(value.substr(space));
    if (kind == "Integer" || kind == "Long") {
        const auto n = parse_int(text);
        const bool small = kind == "Integer";
        const int64_t lo =
            small ? std::numeric_limits<int16_t>::min() : std::numeric_limits<int32_t>::min();
        const int64_t hi =
            small ? std::numeric_limits<int16_t>::max() : std::numeric_limits<int32_t>::max();
        if (!n || *n < lo || *n > hi) {
            fail(key, small ? u"not an Integer (-32768 to 32767)" : u"not a Long");
            return false;
        }
        out = small ? BagValue::int16(int16_t(*n)) : BagValue::int32(int32_t(*n));
        return true;
    }
    if (kind == "Boolean" && (text == "True" || text == "False")) {
        out = BagValue::boolean(text == "True");
        return true;
    }
    if (kind == "Colour") {
        if (auto c = parse_colour(text)) {
            out = BagValue::colour(*c);
            return true;
        }
    }
    if (kind == "String") {
        if (auto s = parse_string(text)) {
            out = BagValue::string(*s);
            return true;
        }
    }
    if (kind == "Font" && font_value(text, out))
        return true;
    fail(key, u"unknown or damaged value '" + from_codepage(value) + u"'");
    return false;
}

// "Name" size [Bold] [Italic] [Underline] [Strikethrough], flags in that order.
bool Reader::font_value(std::string_view text, BagValue& out) {
    if (text.empty() || text.front() != '"')
        return false;
    size_t close = 1;
    while (close < text.size() &&
           (text[close] != '"' || (close + 1 < text.size() && text[close + 1] == '"')))
        close += text[close] == '"' ? 2 : 1;
    if (close >= text.size())
        return false;
    const auto face = parse_string(text.substr(0, close + 1));
    std::string_view rest = trim(text.substr(close + 1));
    const size_t space = rest.find(' ');
    const auto size = parse_number(rest.substr(0, space));
    // Written in the negative so that NaN fails too; a size that rounds to no 1/10000
    // point could not be written back.
    if (!face || face->empty() || !size || !(*size > 0 && *size <= 200000) ||
        std::lround(*size * 10000) < 1)
        return false;
    bool flags[4] = {};
    const std::string_view names[4] = {"Bold", "Italic", "Underline", "Strikethrough"};
    size_t next = 0;
    rest = space == std::string_view::npos ? "" : trim(rest.substr(space));
    while (!rest.empty()) {
        const size_t sp = rest.find(' ');
        const std::string_view word = rest.substr(0, sp);
        while (next < 4 && names[next] != word)
            ++next;
        if (next == 4)
            return false;
        flags[next++] = true;
        rest = sp == std::string_view::npos ? "" : trim(rest.substr(sp));
    }
    out = BagValue::font(*face, int32_t(std::lround(*size * 10000)), flags[0], flags[1], flags[2],
                         flags[3]);
    return true;
}

void Reader::picture_line(std::string_view line) {
    if (line != "}") {
        m_picture_text += line;
        return;
    }
    auto bytes = platform::base64_decode(m_picture_text);
    if (!bytes) {
        fail(m_picture_key, u"damaged picture stream (not base64)");
        return;
    }
    m_out.controls.back().bag.append({m_picture_key, BagValue::picture(std::move(*bytes))});
    m_state = State::Control;
}

} // namespace

FormFileResult read_form_file(std::string_view text, FormRecord& out) {
    out = FormRecord{};
    if (text.size() > kMaxFormFileBytes)
        return {1, u"file", u"the file is larger than a form file may be (64 MiB)"};
    return Reader(text, out).run();
}

} // namespace paginor::frame
