#include "convert/doc_text.h"

namespace paginor::convert {

void TextSink::append(std::u16string_view text) {
    if (m_cut) {
        return;
    }
    if (m_text.size() + text.size() > kMaxRenditionText) {
        text = text.substr(0, kMaxRenditionText - m_text.size());
        m_cut = true;
    }
    m_text.append(text);
}

void TextSink::append(std::u16string&& text) {
    if (m_text.empty() && !m_cut && text.size() <= kMaxRenditionText) {
        m_text = std::move(text);
    } else {
        append(std::u16string_view(text));
    }
}

void TextSink::append(char16_t c) {
    append(std::u16string_view(&c, 1));
}

void TextSink::paragraph() {
    if (!m_text.empty() && m_text.back() != u'\n') {
        append(u'\n');
    }
}

std::u16string TextSink::take() {
    while (!m_cut && !m_text.empty() && m_text.back() == u'\n') {
        m_text.pop_back();
    }
    if (m_cut) {
        m_text += u'\n';
        m_text += kRestNotShown;
    }
    m_cut = false;
    return std::move(m_text);
}

} // namespace paginor::convert
