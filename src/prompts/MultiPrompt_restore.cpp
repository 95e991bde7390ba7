// MultiPrompt's restore: a saved selection document replayed through the paths a user
// takes (adding keys, picking rows, typing, picking dates), so the criteria, the value
// box and the notifications come out as they did the first time. Text that does not
// parse, has a document type or lacks the root only resets; a value that no longer fits
// is skipped and the rest restored.
#include "prompts/MultiPrompt.h"

#include "platform/core/clock.h"
#include "platform/core/date_text.h"

namespace paginor {

namespace {

// "YYYYMMDD" as "DD MMM YYYY", or empty when it is no date.
std::u16string saved_day(std::u16string_view digits) {
    if (digits.size() < 8)
        return {};
    std::u16string iso(digits.substr(0, 4));
    iso.append(u"-")
        .append(digits.substr(4, 2))
        .append(u"-")
        .append(digits.substr(digits.size() - 2));
    const auto date = platform::parse_date(iso, platform::GetLocalTime().year);
    return date ? platform::format_day_month_year(*date) : std::u16string();
}

} // namespace

void MultiPrompt::Restore(std::u16string_view saved) {
    if (gone())
        return;
    platform::XmlDocument doc;
    doc.load(saved); // a failure leaves it empty
    Clear(Clearing::Reset);
    if (gone() || saved.empty())
        return;
    const platform::XmlNode root = doc.root();
    if (root.name() != u"root")
        return;
    if (const auto multi = root.attribute(u"multi")) {
        for (int i = 0; i < m_cmbSelectionType->ListCount(); ++i) {
            if (m_cmbSelectionType->List(i) == *multi) {
                m_cmbSelectionType->SetListIndex(i); // runs the type handling
                break;
            }
        }
    }
    for (platform::XmlNode val = root.first_child(); val && !gone(); val = val.next_sibling()) {
        if (val.type() != platform::XmlNodeType::Element || val.name() != u"val")
            continue;
        const std::optional<std::u16string> content = val.attribute(u"content");
        switch (m_style) {
        case sMPSPrompt:
            m_typed = false;
            AddValue(prompts::trim_blanks(content.value_or(u"")),
                     prompts::trim_blanks(val.attribute(u"desc").value_or(u"")));
            break;
        case sMPSDropdown:
            for (int row = content ? m_cmbValue->FindRow(0, *content) : -1; row >= 0 && !gone();
                 row = m_cmbValue->FindRow(0, *content, row + 1))
                m_cmbValue->SetListIndex(row); // runs the pick
            break;
        case sMPSDate:
            if (TypeIndex() == 0)
                SetValueText(content.value_or(u""));
            else if (content && !saved_day(*content).empty())
                ApplyPickedDate(saved_day(*content));
            break;
        case sMPSEntry:
            if (content) {
                const std::u16string shown = m_txtValue->Text();
                SetValueText(shown.empty() ? *content : shown + u" " + *content);
            }
            break;
        case sMPSDisplayOnly:
            break;
        }
    }
}

} // namespace paginor
