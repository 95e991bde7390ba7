// MultiPrompt's selection model: adding a key, picking a row of the value list, choosing
// a selection type, clearing, and the three criterion setters. Each step that reaches a
// listener (a notification, or a list or text change that may run one) is followed by a
// check that the control still stands; the rest of the step then works on whatever the
// listener left, as the criteria are the control's own.
#include "prompts/MultiPrompt.h"

#include "frame/nested_control.h"

namespace paginor {

namespace {

using prompts::add_term;
using prompts::criterion_term;
using prompts::holds_value;
using prompts::trim_blanks;

constexpr OLE_COLOR kWindow = 0x80000005, kInfo = 0x80000018;
constexpr int kExactly = 2;

} // namespace

int MultiPrompt::TypeIndex() const {
    return m_cmbSelectionType ? m_cmbSelectionType->ListIndex() : -1;
}

std::u16string MultiPrompt::TypeText() const {
    const int index = TypeIndex();
    return index < 0 ? std::u16string() : m_cmbSelectionType->List(index);
}

void MultiPrompt::SetValueText(std::u16string text) {
    if (m_txtValue)
        m_txtValue->SetText(std::move(text));
}

void MultiPrompt::SendValueSelected() {
    Relay(u"ValueSelected", m_code.out_keep());
}

// A key from the host (AddSelection), already trimmed.
void MultiPrompt::AddValue(std::u16string_view key, std::u16string_view desc) {
    if (gone() || key.empty() || holds_value(m_code.view(), key))
        return;
    if (TypeIndex() == kExactly) {
        m_count = 0;
        set_code(u"");
        m_doc.reset();
        m_description.clear();
        SetValueText(u"");
        if (gone())
            return;
    }
    ++m_count;
    m_doc.set_multi(TypeText());
    std::u16string criterion = code();
    add_term(criterion, Joiner(), criterion_term(m_name, key));
    set_code(criterion);
    platform::XmlNode val = m_doc.append_value(m_name, key);
    const uint64_t generation = m_doc.generation();
    m_ddid.clear();
    if (!desc.empty())
        add_term(m_description, Joiner(), criterion_term(m_name, desc));
    const std::u16string shown = m_txtValue ? m_txtValue->Text() : std::u16string();
    SetValueText(shown.empty() ? std::u16string(desc) : shown + u", " + std::u16string(desc));
    if (gone())
        return;
    if (m_doc.generation() == generation) // else the value went with a rebuilt document
        val.set_attribute(u"desc", desc);
    SendValueSelected();
    if (!gone() && m_count > 1 && m_cmbSelectionType->ListCount() >= 3)
        m_cmbSelectionType->RemoveItem(kExactly);
}

// A row picked in the value list, by the user or by the control.
void MultiPrompt::PickRow() {
    if (gone())
        return;
    const int row = m_cmbValue->ListIndex();
    if (row < 0) {
        set_code(u"");
        m_ddid.clear();
        m_description.clear();
        m_doc.reset();
        SetValueText(u"");
        return;
    }
    // Copies: a listener may empty the list before the row is used up.
    const std::u16string key = m_cmbValue->List(row, 0), ddid = m_cmbValue->List(row, 1),
                         desc = m_cmbValue->List(row, 2);
    if (m_style != sMPSDropdown || holds_value(m_code.view(), key))
        return;
    std::u16string criterion = code();
    if (!criterion.empty()) // the value list keeps its code criterion flat
        criterion = criterion.substr(1, criterion.size() - 2);
    set_code(criterion);
    if (TypeIndex() == kExactly) {
        set_code(u"");
        m_ddid.clear();
        m_description.clear();
        m_doc.reset();
        SetValueText(u"");
        if (gone())
            return;
        m_count = 0;
    }
    m_doc.set_multi(TypeText());
    criterion = code();
    if (!criterion.empty())
        criterion += Joiner();
    m_doc.append_value(m_name, key).set_attribute(u"desc", trim_blanks(desc));
    ++m_count;
    set_code(u"(" + criterion + criterion_term(m_name, key) + u")");
    add_term(m_ddid, Joiner(), criterion_term(m_name, ddid));
    if (!trim_blanks(key).empty())
        add_term(m_description, Joiner(), criterion_term(m_name, desc));
    const std::u16string shown = m_txtValue->Text();
    SetValueText(shown.empty() ? std::u16string(trim_blanks(desc)) : shown + u", " + desc);
    if (gone())
        return;
    SendValueSelected();
    if (!gone() && m_count >= 2 && m_cmbSelectionType->ListCount() >= 3)
        m_cmbSelectionType->RemoveItem(kExactly);
}

// A selection type chosen, by the user or by the control.
void MultiPrompt::ChooseType() {
    if (gone())
        return;
    m_typed = false;
    EnableEntry(true);
    if (m_style == sMPSEntry) {
        set_code(u"");
        m_ddid.clear();
        m_doc.reset();
        TextChanged();
        return;
    }
    if (m_style == sMPSDate) {
        DateSetup();
        return;
    }
    m_doc.set_multi(TypeText());
    const int index = TypeIndex();
    if (index != 0 && index != 1)
        return; // "Exactly": the next value replaces those chosen
    const std::u16string_view from = index == 0 ? u") or (" : u") and (";
    const std::u16string_view to = index == 0 ? u") and (" : u") or (";
    set_code(prompts::replace_all(m_code.view(), from, to));
    m_ddid = prompts::replace_all(m_ddid, from, to);
    m_description = prompts::replace_all(m_description, from, to);
}

void MultiPrompt::Clear(Clearing how) {
    if (gone())
        return;
    set_code(u"");
    m_description.clear();
    m_doc.reset();
    SetValueText(u"");
    if (gone())
        return;
    if (how == Clearing::Clear)
        m_cmbValue->Clear();
    else
        m_cmbValue->SetListIndex(-1); // a row selected until now empties the criteria
    if (gone())
        return;
    if (how == Clearing::Button)
        EnableEntry(false);
    RebuildTypeList();
    if (gone())
        return;
    if (m_style == sMPSDate) {
        ShowButton(m_hPrompt, false);
        m_hCal->SetTop(m_hPrompt->Top());
        const bool in = TypeIndex() == 0;
        SetValueBoxLook(in ? kWindow : kInfo, !in, in);
        EnableButtons(!in);
    }
    m_count = 0;
    m_between_done = false;
    if (how == Clearing::Button)
        Broker(u"Cleared", u"");
}

void MultiPrompt::RebuildTypeList() {
    m_cmbSelectionType->Clear();
    const bool dates = m_val_type == sMPVDate;
    for (const char16_t* item :
         {dates ? u"In" : u"All of", dates ? u"Between" : u"Any of", u"Exactly"})
        m_cmbSelectionType->AddItem(item);
    if (m_default_sel_type != sMPTNone)
        m_cmbSelectionType->SetListIndex(m_default_sel_type); // runs the type handling
    if (!gone())
        m_cmbSelectionType->SetLocked(false);
}

// MyCode (column 0), MyDDID (1) and MyDescription (2) assigned; in Dropdown style a row
// holding the value is picked, the description looked up in the DDID column.
void MultiPrompt::SetCriterion(int column, std::u16string_view text) {
    if (gone())
        return;
    m_doc.reset();
    if (column == 0)
        set_code(text);
    else if (column == 1)
        m_ddid = text;
    else
        m_description = text, SetValueText(std::u16string(text));
    if (gone() || m_style != sMPSDropdown)
        return;
    const int look_in = column == 2 ? 1 : column;
    if (const int row = m_cmbValue->FindRow(look_in, text); row >= 0) {
        const std::u16string cells[3] = {m_cmbValue->List(row, 0), m_cmbValue->List(row, 1),
                                         m_cmbValue->List(row, 2)};
        m_cmbValue->SetListIndex(row); // runs the pick
        if (gone())
            return;
        if (column != 0)
            set_code(cells[0]);
        if (column != 1)
            m_ddid = cells[1];
        if (column != 2) {
            m_description = cells[2];
            SetValueText(cells[2]);
        }
    }
}

} // namespace paginor
