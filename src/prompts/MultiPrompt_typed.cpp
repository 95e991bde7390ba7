// MultiPrompt's typed values and dates: words and "Exactly" phrases typed in the value
// box, years, months and days typed under "In", and dates picked by the host's calendar
// under "Between" and "Exactly". They write the description criterion and the document;
// the code and DDID criteria are emptied.
#include "prompts/MultiPrompt.h"

#include "frame/nested_control.h"
#include "frame/twips.h"
#include "platform/core/clock.h"
#include "platform/core/date.h"
#include "platform/core/date_text.h"
#include "platform/core/number_text.h"
#include "platform/core/unicode.h"
#include "prompts/multi_dates.h"

namespace paginor {

namespace {

using prompts::criterion_term;
using prompts::trim_blanks;

constexpr OLE_COLOR kWindow = 0x80000005, kInfo = 0x80000018, kWindowText = 0x80000008;
constexpr OLE_COLOR kRed = 0x000000FF;
constexpr const char16_t* kPickHint = u"Select the date(s) using the calendar button on the right.";
constexpr int kExactly = 2, kBetween = 1;

std::u16string without_quotes(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text)
        if (c != u'"')
            out += c;
    return out;
}

} // namespace

// Runs at every change of the value box's text, typed or set.
void MultiPrompt::TextChanged() {
    if (gone() || !m_txtValue)
        return;
    if (m_style == sMPSEntry || (m_style == sMPSPrompt && m_prompt_editable && m_typed))
        TypedText();
    else if (m_style == sMPSDate && m_txtValue->Locked())
        m_txtValue->SetForeColor(kWindowText);
    else if (m_style == sMPSDate)
        ParseIn();
    m_typed = false;
}

void MultiPrompt::TypedText() {
    set_code(u"");
    m_doc.rebuild(TypeText());
    m_ddid.clear();
    m_description.clear();
    const std::u16string text = m_txtValue->Text();
    if (m_typed && !Broker(u"TextTyped", text))
        return;
    if (TypeIndex() == kExactly) {
        if (trim_blanks(text).empty())
            return;
        const std::u16string v = without_quotes(text);
        m_doc.append_value(m_name, v).set_attribute(u"desc", v);
        if (m_style == sMPSEntry) {
            m_description = u"(" + criterion_term(m_name, v) + u")";
        } else {
            // Typed text searches the description field, with wildcards on both sides.
            const std::u16string field = prompts::replace_all(m_name, u"Code", u"Description");
            m_description = u"(" + criterion_term(field, u"*" + v + u"*") + u")";
        }
        return;
    }
    std::u16string_view rest = text;
    while (true) {
        const size_t blank = rest.find(u' ');
        const std::u16string_view word = trim_blanks(rest.substr(0, blank));
        if (!word.empty() && !prompts::holds_value(m_description, word)) {
            std::u16string criterion = m_description;
            if (!criterion.empty())
                criterion += Joiner();
            m_doc.append_value(m_name, word).set_attribute(u"desc", word);
            m_description = u"(" + criterion + criterion_term(m_name, word) + u")";
        }
        if (blank == rest.npos)
            break;
        rest = rest.substr(blank + 1);
    }
}

// A year, a month or a day typed under "In".
void MultiPrompt::ParseIn() {
    m_description.clear();
    m_doc.rebuild(TypeText());
    const std::u16string t = m_txtValue->Text();
    const int this_year = platform::GetLocalTime().year;
    auto as_date = [&](std::u16string_view text) { return platform::parse_date(text, this_year); };
    auto add = [&](std::u16string_view range) {
        m_doc.append_value(m_name, t).set_attribute(u"desc", t);
        m_description = criterion_term(m_name, range);
    };
    const auto year_start = t.size() == 4 ? as_date(t + u"-01-01") : std::nullopt;
    const auto y = year_start ? platform::whole_number(t) : std::nullopt;
    if (y && platform::fields_from_date(*year_start)->wYear == *y) {
        const std::u16string padded = platform::format_yyyymmdd(*year_start).substr(0, 4);
        add(padded + u"0101~~" + padded + u"1231");
    } else {
        const std::u16string s(trim_blanks(t));
        const std::u16string_view tail =
            std::u16string_view(s).substr(s.size() - std::min<size_t>(5, s.size()));
        const auto d1 = platform::leading_number(tail) > 0
                            ? as_date(s)
                            : as_date(s + u" " + from_utf8(std::to_string(this_year)));
        const auto d2 = as_date(u"01 " + t);
        if (d1 && d2 && platform::leading_number(t) == 0) {
            if (*d1 == *d2) {
                const auto first = as_date(platform::format_year_month(*d2) + u"-01");
                platform::SYSTEMTIME next = *platform::fields_from_date(*first);
                next.wMonth = WORD(next.wMonth % 12 + 1);
                next.wYear = WORD(next.wYear + (next.wMonth == 1));
                const auto after = platform::date_from_fields(next);
                const DATE last = after ? *after - 1 : *first + 30; // December 9999 ends there
                add(platform::format_yyyymmdd(*first) + u"~~" + platform::format_yyyymmdd(last));
            }
        } else if (const auto d = as_date(t);
                   t.size() >= 7 && d && platform::fields_from_date(*d)->wYear > 1899) {
            add(platform::format_yyyymmdd(*d));
        }
    }
    m_txtValue->SetForeColor(m_description.empty() ? kRed : kWindowText);
}

// Date style, a selection type chosen.
void MultiPrompt::DateSetup() {
    if (gone())
        return;
    set_code(u"");
    m_doc.rebuild(TypeText());
    m_ddid.clear();
    m_description.clear();
    SetValueText(u"");
    if (gone())
        return;
    m_between_done = false;
    ShowButton(m_hPrompt, false);
    m_hCal->SetTop(m_hPrompt->Top());
    const bool in = TypeIndex() == 0;
    SetValueBoxLook(in ? kWindow : kInfo, !in, in);
    ShowButton(m_hCal, !in);
    const double box_left = frame::pixels_to_twips(m_txtValue->Left(), frame::Axis::Across);
    const double w = m_hPrompt->Left() + (in ? m_hPrompt->Width() : 0) - box_left;
    if (w >= 1) {
        PlaceValueBox(box_left, w);
        m_txtValue->SetToolTipText(in ? prompts::year_or_month_hint() : kPickHint);
    }
}

// A date the host's calendar answered, or a saved one replayed.
void MultiPrompt::ApplyPickedDate(std::u16string_view text) {
    if (gone())
        return;
    const int index = TypeIndex();
    const int this_year = platform::GetLocalTime().year;
    const auto picked = platform::parse_date(text, this_year);
    if (!picked || m_between_done || (index != kExactly && index != kBetween))
        return;
    const std::u16string first = m_txtValue->Text();
    if (index == kExactly || first.empty()) {
        SetValueText(std::u16string(text));
        if (gone())
            return;
        const std::u16string day = platform::format_yyyymmdd(*picked);
        m_doc.rebuild(TypeText());
        m_doc.append_value(m_name, day).set_attribute(u"desc", day);
        m_description = criterion_term(m_name, day);
        return;
    }
    const auto earlier = platform::parse_date(first, this_year);
    if (!earlier)
        return;
    const std::u16string from = platform::format_yyyymmdd(*earlier),
                         to = platform::format_yyyymmdd(*picked);
    m_doc.rebuild(TypeText());
    m_doc.append_value(m_name, from).set_attribute(u"desc", from);
    m_doc.append_value(m_name, to).set_attribute(u"desc", to);
    m_description = criterion_term(m_name, from + u"~~" + to);
    m_between_done = true;
    SetValueText(first + u" and " + std::u16string(text));
    if (!gone())
        EnableButtons(false); // no third date until the control is cleared
}

} // namespace paginor
