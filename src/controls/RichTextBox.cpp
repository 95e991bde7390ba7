#include "controls/RichTextBox.h"

namespace paginor::controls {

namespace {

constexpr int kMargin = 2; // blank pixels between the box's edge and its text

} // namespace

RichTextBox::RichTextBox(HWND parent, RECT rect, bool visible)
    : DocumentSurface(parent, rect, visible, u"PaginorV2CTL.RichTextBox") {
    arrange();
}

// Taken by value: a rendition of megabytes is moved in, not copied.
void RichTextBox::SetTextRTF(std::u16string rtf) {
    m_rtf = std::move(rtf);
    m_doc.reset();
    scroll_to(0);
    arrange();
}

void RichTextBox::SetText(std::u16string_view text) {
    SetTextRTF(rtf_from_plain_text(text));
}

const RichDocument& RichTextBox::document() const {
    if (!m_doc)
        m_doc = read_rtf(m_rtf);
    return *m_doc;
}

void RichTextBox::relayout(int width) {
    m_layout = RichLayout(document(), width - 2 * kMargin, std::move(m_layout));
    set_content_height(m_layout.height() + 2 * kMargin);
}

// The lines down to the view's bottom already tell a long text needs its bar.
int RichTextBox::content_height_at_least(int width, int height) {
    m_layout = RichLayout(document(), width - 2 * kMargin, std::move(m_layout), height);
    return m_layout.height() + 2 * kMargin;
}

void RichTextBox::paint_content(HDC hdc, int /*width*/, int top, int rows) {
    m_layout.paint(hdc, kMargin, top - kMargin, rows);
}

} // namespace paginor::controls
