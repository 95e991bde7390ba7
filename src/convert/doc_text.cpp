#include "convert/doc_text.h"

#include "platform/core/unicode.h"

#include <algorithm>
#include <iterator>

namespace paginor::convert {

void TextSink::reserve(size_t units) {
    m_text.reserve(std::min(m_text.size() + units, kMaxRenditionText));
}

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

void TextSink::append_moved(std::u16string&& text) {
    if (m_text.empty() && !m_cut && text.size() <= kMaxRenditionText) {
        m_text = std::move(text);
    } else {
        append(std::u16string_view(text));
    }
}

void TextSink::append_utf8(std::string_view utf8) {
    if (!m_cut && m_text.size() + utf8.size() <= kMaxRenditionText) {
        // ASCII, the most of most documents, is widened without a decoder: short pieces
        // on the stack and appended whole, longer ones in place.
        char16_t wide[256];
        bool small = utf8.size() <= std::size(wide);
        size_t at = m_text.size();
        if (!small) {
            m_text.resize(at + utf8.size());
        }
        char16_t* to = small ? wide : m_text.data() + at;
        uint8_t high = 0;
        for (size_t i = 0; i < utf8.size(); ++i) {
            high |= uint8_t(utf8[i]);
            to[i] = char16_t(uint8_t(utf8[i]));
        }
        if (high < 0x80) {
            if (small) {
                m_text.append(wide, utf8.size());
            }
            return;
        }
        m_text.resize(at);
    }
    append(from_utf8(utf8));
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
