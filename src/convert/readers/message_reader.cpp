#include "convert/readers/compound_file.h"
#include "convert/readers/readers.h"
#include "platform/core/unicode.h"

namespace paginor::convert {

namespace {

// A string property in either form: "001F" UTF-16, "001E" the code page; NULs cut it.
std::u16string property(const CompoundFile& file, const char* id) {
    std::string wide = file.read((std::string("__substg1.0_") + id + "001F").c_str());
    std::u16string text;
    if (!wide.empty()) {
        for (size_t k = 0; k + 1 < wide.size(); k += 2) {
            text += char16_t(uint8_t(wide[k]) | uint8_t(wide[k + 1]) << 8);
        }
    } else {
        text = from_codepage(file.read((std::string("__substg1.0_") + id + "001E").c_str()));
    }
    return text.substr(0, text.find(u'\0'));
}

} // namespace

// The sender, the subject, then the body, one paragraph for each of its lines.
void read_message(CompoundFile& file, TextSink& out) {
    std::u16string sender = property(file, "0C1A");
    std::u16string address = property(file, "0C1F");
    if (!address.empty()) {
        sender += sender.empty() ? address : u" <" + address + u">";
    }
    out.append(u"From: " + sender);
    out.paragraph();
    out.append(u"Subject: " + property(file, "0037"));
    out.paragraph();
    std::u16string body = property(file, "1000");
    for (char16_t c : body) {
        if (c == u'\n') {
            out.paragraph();
        } else if (c == u'\t' || c >= 0x20) {
            out.append(c);
        }
    }
}

} // namespace paginor::convert
