#include "viewer/doc_class.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace paginor::viewer {

namespace {

struct ClassRow {
    DocClass type;
    std::initializer_list<std::u16string_view> extensions;
};

// Tested in this order; the first row naming the extension wins.
const std::array<ClassRow, 6>& class_rows() {
    static const std::array<ClassRow, 6> rows{{
        {DocClass::Picture, {u"JPG", u"JPEG", u"BMP", u"GIF", u"PNG"}},
        {DocClass::Fax, {u"TIF", u"TIFF", u"G3N"}},
        {DocClass::Document,
         {u"DOC", u"XLS", u"MSG", u"INI", u"DOCX", u"XLSX", u"TXT", u"PPT", u"PPTX"}},
        {DocClass::WebPage, {u"HTML", u"HTM"}},
        {DocClass::Pdf, {u"PDF"}},
        {DocClass::Media,
         {u"ASF", u"WM",  u"WMA", u"WMV",  u"AVI", u"MP2", u"MP3",  u"MP4",  u"MPG", u"MPEG",
          u"M1V", u"WAV", u"MID", u"MIDI", u"RMI", u"AIF", u"AIFC", u"AIFF", u"AU",  u"SND"}},
    }};
    return rows;
}

// Upper case as the desktop's conversion does it for the characters a path holds:
// ASCII and Latin-1 letters (apart from the two without a capital in that range).
char16_t upper(char16_t c) {
    if (c >= u'a' && c <= u'z')
        return char16_t(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return char16_t(c - 32);
    return c;
}

} // namespace

std::optional<std::u16string> doc_extension(std::u16string_view path) {
    const size_t dot = path.rfind(u'.');
    if (dot == std::u16string_view::npos)
        return std::nullopt;
    std::u16string ext(path.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(), upper);
    return ext;
}

DocClass classify(std::u16string_view ext) {
    for (const ClassRow& row : class_rows())
        if (std::find(row.extensions.begin(), row.extensions.end(), ext) != row.extensions.end())
            return row.type;
    return DocClass::Other;
}

} // namespace paginor::viewer
