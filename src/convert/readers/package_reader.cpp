#include "convert/convert_error.h"
#include "convert/readers/package_readers.h"
#include "convert/readers/readers.h"
#include "platform/core/unicode.h"

#include <algorithm>

namespace paginor::convert {

void SinkWalker::put(std::string_view utf8) {
    if (m_blank_owed && !utf8.empty()) {
        m_out.append(u' ');
        m_blank_owed = false;
    }
    m_out.append_utf8(utf8);
}

void SinkWalker::cell_start() {
    if (m_cell_index++ > 0) {
        m_out.tab();
    }
    ++m_cells;
    m_blank_owed = false;
}

void SinkWalker::cell_end() {
    m_cells = std::max(m_cells - 1, 0);
    m_blank_owed = false;
}

void SinkWalker::paragraph_end() {
    if (m_cells == 0) {
        m_out.paragraph();
    } else {
        m_blank_owed = !m_out.at_line_start();
    }
}

void read_zip_package(std::u16string_view path, std::string_view bytes, TextSink& out) {
    ZipPackage package(path, bytes);
    if (package.has("word/document.xml")) {
        read_docx(package, out);
    } else if (package.has("xl/workbook.xml")) {
        read_xlsx(package, out);
    } else if (package.has("ppt/presentation.xml")) {
        read_pptx(package, out);
    } else if (package.has("content.xml")) {
        read_odf(package, out);
    } else {
        raise_convert(ConvertCode::UnknownFormat, kDocSource, path,
                      u"The zip archive is no office document this converter knows");
    }
}

} // namespace paginor::convert
