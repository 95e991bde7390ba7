#include "prompts/multi_selection.h"

namespace paginor::prompts {

std::u16string criterion_term(std::u16string_view name, std::u16string_view value) {
    std::u16string term;
    term.reserve(name.size() + value.size() + 14);
    term.append(u"(").append(name).append(u" contains (").append(value).append(u"))");
    return term;
}

void add_term(std::u16string& criterion, std::u16string_view joiner, std::u16string_view term) {
    std::u16string out;
    out.reserve(criterion.size() + joiner.size() + term.size() + 2);
    out.push_back(u'(');
    if (!criterion.empty())
        out.append(criterion).append(joiner);
    out.append(term).push_back(u')');
    criterion = std::move(out);
}

bool holds_value(std::u16string_view criterion, std::u16string_view value) {
    std::u16string wrapped;
    wrapped.reserve(value.size() + 2);
    wrapped.append(u"(").append(value).append(u")");
    return criterion.find(wrapped) != std::u16string_view::npos;
}

std::u16string replace_all(std::u16string_view text, std::u16string_view from,
                           std::u16string_view to) {
    std::u16string out;
    out.reserve(text.size());
    size_t at = 0;
    for (size_t hit; !from.empty() && (hit = text.find(from, at)) != text.npos;
         at = hit + from.size())
        out.append(text.substr(at, hit - at)).append(to);
    out.append(text.substr(at));
    return out;
}

std::u16string_view trim_blanks(std::u16string_view text) {
    const size_t first = text.find_first_not_of(u' ');
    if (first == text.npos)
        return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

void SelectionDocument::reset() {
    m_doc.load(u"<root multi=\"Exactly\"/>");
    ++m_generation;
}

void SelectionDocument::rebuild(std::u16string_view type_text) {
    m_doc.clear();
    m_doc.append_root(u"root").set_attribute(u"multi", type_text);
    ++m_generation;
}

void SelectionDocument::set_multi(std::u16string_view type_text) {
    m_doc.root().set_attribute(u"multi", type_text);
}

platform::XmlNode SelectionDocument::append_value(std::u16string_view name,
                                                  std::u16string_view content) {
    platform::XmlNode val = m_doc.root().append_element(u"val");
    val.set_attribute(u"name", name);
    val.set_attribute(u"content", content);
    return val;
}

} // namespace paginor::prompts
