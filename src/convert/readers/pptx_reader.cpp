#include "convert/readers/package_readers.h"

#include <algorithm>
#include <charconv>

namespace paginor::convert {

namespace {

class SlideWalker : public RunTextWalker {
  public:
    using RunTextWalker::RunTextWalker;

    bool open(std::string_view name, platform::XmlNode) override {
        if (name == "t") {
            m_in_text = true;
        } else if (name == "br") {
            m_out.paragraph();
        } else if (name == "tab") {
            m_out.tab();
        } else if (name == "tr") {
            row_start();
        } else if (name == "tc") {
            cell_start();
        }
        return name != "rPr" && name != "pPr";
    }
};

// The slide's number from "ppt/slides/slideN.xml"; 0 for any other name.
unsigned slide_number(std::string_view name) {
    constexpr std::string_view head = "ppt/slides/slide";
    if (!name.starts_with(head) || !name.ends_with(".xml")) {
        return 0;
    }
    std::string_view digits = name.substr(head.size(), name.size() - head.size() - 4);
    unsigned n = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return error == std::errc() && end == digits.data() + digits.size() ? n : 0;
}

} // namespace

void read_pptx(ZipPackage& package, TextSink& out) {
    std::vector<std::pair<unsigned, std::string>> slides;
    for (const std::string& name : package.names()) {
        if (unsigned n = slide_number(name); n != 0) {
            slides.emplace_back(n, name);
        }
    }
    // By number, so slide 10 follows slide 9.
    std::sort(slides.begin(), slides.end());
    for (const auto& [number, name] : slides) {
        platform::XmlDocument doc = package.read_xml(name);
        SlideWalker walker(out);
        walker.walk(doc.node());
        out.paragraph();
        if (out.full()) {
            break;
        }
    }
}

} // namespace paginor::convert
