#include "convert/convert_error.h"
#include "convert/readers/readers.h"
#include "platform/files/file.h"
#include "platform/files/path.h"

namespace paginor::convert {

namespace {

using namespace std::string_view_literals;

constexpr size_t kHeadBytes = 4096;
// An HTML parse tree takes many times its page: pages are read up to this much.
constexpr uint64_t kMaxHtmlBytes = uint64_t(2) * kMaxRenditionText;

enum class Kind { Text, Html, Zip, Pdf, Compound, NotDocument };
static_assert(int(Kind::Text) == int(DocKind::Text) &&
              int(Kind::Compound) == int(DocKind::Compound));

struct Magic {
    std::string_view bytes;
    size_t at;
};

// Pictures, media, archives and programs: refused by their first bytes.
constexpr Magic kBinaries[] = {
    {"\x89PNG"sv, 0},
    {"\xFF\xD8\xFF"sv, 0},
    {"GIF8"sv, 0},
    {"II*\0"sv, 0},
    {"MM\0*"sv, 0},
    {"BM"sv, 0},
    {"RIFF"sv, 0},
    {"ID3"sv, 0},
    {"ftyp"sv, 4},
    {"OggS"sv, 0},
    {"fLaC"sv, 0},
    {"\x1A\x45\xDF\xA3"sv, 0},
    {"\x7F"
     "ELF"sv,
     0},
    {"MZ"sv, 0},
    {"\x1F\x8B"sv, 0},
    {"Rar!"sv, 0},
    {"7z\xBC\xAF"sv, 0},
    {"\0\0\1\xBA"sv, 0},
    {"\0\0\1\xB3"sv, 0},
    {"\xFF\xFB"sv, 0},
    {"\0\0\1\0"sv, 0},
};

bool starts(std::string_view head, Magic m) {
    return head.size() >= m.at + m.bytes.size() && head.substr(m.at, m.bytes.size()) == m.bytes;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}

// The first markup of the page, past a byte-order mark, blanks and comments.
bool looks_like_html(std::string_view head) {
    if (head.starts_with("\xEF\xBB\xBF"sv)) {
        head.remove_prefix(3);
    }
    size_t i = head.find_first_not_of(" \t\r\n");
    if (i == std::string_view::npos) {
        return false;
    }
    std::string start;
    for (size_t k = i; k < head.size() && start.size() < 14; ++k) {
        start += lower(head[k]);
    }
    return start.starts_with("<!doctype html") || start.starts_with("<html") ||
           start.starts_with("<head") || start.starts_with("<body");
}

bool ends_with_ignore_case(std::u16string_view name, std::u16string_view tail) {
    if (name.size() < tail.size()) {
        return false;
    }
    for (size_t i = 0; i < tail.size(); ++i) {
        char16_t c = name[name.size() - tail.size() + i];
        if ((c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c) != tail[i]) {
            return false;
        }
    }
    return true;
}

bool is_binary(std::string_view head) {
    bool utf16 = head.starts_with("\xFF\xFE"sv) || head.starts_with("\xFE\xFF"sv);
    return !utf16 && head.find('\0') != std::string_view::npos;
}

Kind classify(std::u16string_view path, std::string_view head) {
    if (head.starts_with("%PDF-"sv)) {
        return Kind::Pdf;
    }
    if (head.starts_with("PK\3\4"sv) || head.starts_with("PK\5\6"sv)) {
        return Kind::Zip;
    }
    if (head.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv)) {
        return Kind::Compound;
    }
    for (const Magic& m : kBinaries) {
        if (starts(head, m)) {
            return Kind::NotDocument;
        }
    }
    if (looks_like_html(head) || ends_with_ignore_case(path, u".htm") ||
        ends_with_ignore_case(path, u".html")) {
        return is_binary(head) ? Kind::NotDocument : Kind::Html;
    }
    return is_binary(head) ? Kind::NotDocument : Kind::Text;
}

platform::File open_source(std::u16string_view path) {
    try {
        return platform::File::open(path, platform::FileAccess::Read, platform::FileShare::Read,
                                    platform::FileDisposition::OpenExisting);
    } catch (const RuntimeError& e) {
        raise_convert(ConvertCode::Unreadable, kDocSource, path,
                      u"The document cannot be opened (" + e.description() + u")");
    }
}

std::string read_bytes(platform::File& file, std::u16string_view path, uint64_t limit) {
    std::string bytes(std::min(file.length(), limit), '\0');
    bytes.resize(read_document_bytes(file, path, 0, bytes));
    return bytes;
}

} // namespace

size_t read_document_bytes(platform::File& file, std::u16string_view path, uint64_t offset,
                           std::span<char> buffer) {
    try {
        return file.read_at(offset, std::as_writable_bytes(buffer));
    } catch (const RuntimeError& e) {
        raise_convert(ConvertCode::Unreadable, kDocSource, path,
                      u"The document cannot be read (" + e.description() + u")");
    }
}

OpenedDocument open_document(std::u16string_view path) {
    OpenedDocument doc{std::u16string(path), open_source(path), DocKind::Text, {}};
    doc.head = read_bytes(doc.file, path, kHeadBytes);
    Kind kind = classify(path, doc.head);
    if (kind == Kind::NotDocument) {
        raise_convert(ConvertCode::NotDocument, kDocSource, path,
                      u"The file is not a document (a picture, media or other binary)");
    }
    doc.kind = DocKind(kind);
    return doc;
}

std::u16string read_document(std::u16string_view path) {
    OpenedDocument doc = open_document(path);
    return read_document(doc);
}

std::u16string read_document(OpenedDocument& doc) {
    std::u16string_view path = doc.path;
    platform::File& file = doc.file;
    Kind kind = Kind(doc.kind);
    uint64_t limit = kind == Kind::Text   ? kMaxTextBytes
                     : kind == Kind::Html ? kMaxHtmlBytes
                                          : UINT64_MAX;
    std::string bytes = read_bytes(file, path, limit);
    bool rest_unread = bytes.size() == limit && file.length() > limit;
    file.close();
    TextSink out;
    switch (kind) {
    case Kind::Text:
        read_text(bytes, out);
        break;
    case Kind::Html:
        read_html(bytes, out);
        break;
    case Kind::Zip:
        read_zip_package(path, bytes, out);
        break;
    case Kind::Pdf:
        read_pdf(path, bytes, out);
        break;
    case Kind::Compound:
        read_compound(path, bytes, out);
        break;
    case Kind::NotDocument:
        break;
    }
    if (rest_unread) {
        out.cut();
    }
    return out.take();
}

} // namespace paginor::convert
