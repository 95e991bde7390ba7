// How the viewer tells what a document is: by the text after the last "." of the whole
// path, upper-cased (a dot in a folder name counts when the file name has none).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace paginor::viewer {

enum class DocClass { Picture, Fax, Document, WebPage, Pdf, Media, Other };

// Everything after the last "." of path in upper case; none when path has no ".".
std::optional<std::u16string> doc_extension(std::u16string_view path);
// The class of an upper-cased extension; Other for any the viewer cannot preview.
DocClass classify(std::u16string_view ext);

} // namespace paginor::viewer
