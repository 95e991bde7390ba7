#include "convert/convert_error.h"
#include "convert/readers/compound_file.h"
#include "convert/readers/readers.h"
#include "platform/core/unicode.h"
#include "platform/files/path.h"

#include <freexl.h>

#include <cstdio>

namespace paginor::convert {

namespace {

std::u16string cell_text(const FreeXL_CellValue& v) {
    char number[64];
    switch (v.type) {
    case FREEXL_CELL_INT:
        std::snprintf(number, sizeof number, "%d", v.value.int_value);
        return from_utf8(number);
    case FREEXL_CELL_DOUBLE:
        std::snprintf(number, sizeof number, "%.15g", v.value.double_value);
        return from_utf8(number);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return from_utf8(v.value.text_value != nullptr ? v.value.text_value : "");
    default:
        return {};
    }
}

} // namespace

// FreeXL reads the workbook from its file; each sheet gives its name, then its rows as
// lines of tab-separated cells.
void read_excel_97(CompoundFile& file, TextSink& out) {
    const void* book = nullptr;
    std::string path = platform::native_path(file.path());
    if (freexl_open(path.c_str(), &book) != FREEXL_OK) {
        if (book != nullptr) {
            freexl_close(book);
        }
        raise_convert(ConvertCode::Damaged, kDocSource, file.path(),
                      u"The workbook is damaged or protected");
    }
    unsigned int info = 0;
    if (freexl_get_info(book, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
        info == FREEXL_BIFF_OBFUSCATED) {
        freexl_close(book);
        raise_convert(ConvertCode::Encrypted, kDocSource, file.path(),
                      u"The document is protected by a password");
    }
    unsigned int sheets = 0;
    freexl_get_info(book, FREEXL_BIFF_SHEET_COUNT, &sheets);
    for (unsigned short s = 0; s < sheets && !out.full(); ++s) {
        const char* name = nullptr;
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_get_worksheet_name(book, s, &name) != FREEXL_OK ||
            freexl_select_active_worksheet(book, s) != FREEXL_OK ||
            freexl_worksheet_dimensions(book, &rows, &columns) != FREEXL_OK) {
            continue;
        }
        out.paragraph();
        out.append(from_utf8(name != nullptr ? name : ""));
        out.paragraph();
        for (unsigned int r = 0; r < rows && !out.full(); ++r) {
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue value;
                if (c > 0) {
                    out.tab();
                }
                if (freexl_get_cell_value(book, r, c, &value) == FREEXL_OK) {
                    out.append(cell_text(value));
                }
            }
            out.paragraph();
        }
    }
    freexl_close(book);
}

} // namespace paginor::convert
