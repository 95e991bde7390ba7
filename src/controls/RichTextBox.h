// The rich-text box: a read-only document surface that shows rich text (TextRTF) or plain
// text (Text), wrapped to its width and scrolled like the browser surface (see
// document_surface.h). Faces are found through fontconfig, so a document asking for a
// desktop face gets its metric-compatible stand-in. A plain C++ class, not registered.
#pragma once

#include "controls/document_surface.h"
#include "controls/rich_layout.h"
#include "controls/rtf_reader.h"

#include <optional>
#include <string>

namespace paginor::controls {

class RichTextBox final : public DocumentSurface {
  public:
    // Creates the box empty as a child window of parent at rect (pixels of the parent's
    // client area). Throws RuntimeError 5 when parent is not a window.
    RichTextBox(HWND parent, RECT rect, bool visible = true);

    // Rich text as it was set; text not starting with "{\rtf" shows as plain text and bad
    // rich text shows what could be read (rtf_reader.h). After Text is set this reads as
    // the rich text of that plain text.
    const std::u16string& TextRTF() const { return m_rtf; }
    void SetTextRTF(std::u16string rtf);
    // The text shown, paragraphs joined by CR LF. Setting it drops every format: the text
    // shows in the plain format ("" empties the box).
    std::u16string Text() const { return document().plain_text(); }
    void SetText(std::u16string_view text);
    // Lines of the current layout (for tests of wrapping).
    int LineCount() const {
        settle();
        return m_layout.line_count();
    }

  private:
    void relayout(int width) override;
    int content_height_at_least(int width, int height) override;
    void paint_content(HDC hdc, int width, int top, int rows) override;
    // The rich text read: a long text nobody looks at is kept as it was set, unread.
    const RichDocument& document() const;

    std::u16string m_rtf;
    mutable std::optional<RichDocument> m_doc; // none until read
    RichLayout m_layout;
};

} // namespace paginor::controls
