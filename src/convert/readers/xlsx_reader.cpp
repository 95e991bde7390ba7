#include "convert/readers/package_readers.h"
#include "platform/core/unicode.h"

#include <charconv>
#include <map>

namespace paginor::convert {

namespace {

// The shared strings, each the text of its runs without phonetic readings.
class SharedStringsWalker : public XmlWalker {
  public:
    std::vector<std::string> strings;

    bool open(std::string_view name, platform::XmlNode) override {
        if (name == "si") {
            strings.emplace_back();
        } else if (name == "t") {
            m_in_text = !strings.empty();
        }
        return name != "rPh" && name != "rPr";
    }
    void close(std::string_view name) override {
        if (name == "t") {
            m_in_text = false;
        }
    }
    void text(std::string_view utf8) override {
        if (m_in_text) {
            strings.back() += utf8;
        }
    }

  private:
    bool m_in_text{false};
};

// A sheet's rows as lines, its cells' values separated by tabs.
class SheetWalker : public SinkWalker {
  public:
    SheetWalker(TextSink& out, const std::vector<std::string>& shared)
        : SinkWalker(out), m_shared(shared) {}

    bool open(std::string_view name, platform::XmlNode element) override {
        if (name == "c") {
            m_type = element.raw_attribute("t");
            if (!m_out.at_line_start()) {
                m_out.tab();
            }
        } else if (name == "v" || name == "t") {
            m_in_value = true;
        }
        return name != "f";
    }
    void close(std::string_view name) override {
        if (name == "v" || name == "t") {
            m_in_value = false;
        } else if (name == "row") {
            m_out.paragraph();
        }
    }
    void text(std::string_view utf8) override {
        if (!m_in_value) {
            return;
        }
        if (m_type == "s") {
            size_t index = 0;
            auto [end, error] = std::from_chars(utf8.data(), utf8.data() + utf8.size(), index);
            (void)end;
            if (error == std::errc() && index < m_shared.size()) {
                put(m_shared[index]);
            }
        } else if (m_type == "b") {
            m_out.append(std::u16string_view(utf8 == "1" ? u"TRUE" : u"FALSE"));
        } else {
            put(utf8);
        }
    }

  private:
    const std::vector<std::string>& m_shared;
    std::string_view m_type;
    bool m_in_value{false};
};

struct Sheet {
    std::string name;
    std::string part;
};

// The workbook's sheets in its order, each with the part its relationship names.
std::vector<Sheet> workbook_sheets(ZipPackage& package) {
    std::map<std::string, std::string, std::less<>> targets;
    platform::XmlDocument rels = package.read_xml("xl/_rels/workbook.xml.rels");
    for (platform::XmlNode r = rels.root().first_child(); !r.is_null(); r = r.next_sibling()) {
        std::string target(r.raw_attribute("Target"));
        target = target.starts_with("/") ? target.substr(1) : "xl/" + target;
        targets[std::string(r.raw_attribute("Id"))] = target;
    }
    std::vector<Sheet> sheets;
    platform::XmlDocument book = package.read_xml("xl/workbook.xml");
    platform::XmlNode list;
    for (platform::XmlNode n = book.root().first_child(); !n.is_null(); n = n.next_sibling()) {
        if (local_name(n.raw_name()) == "sheets") {
            list = n;
        }
    }
    for (platform::XmlNode s = list.first_child(); !s.is_null(); s = s.next_sibling()) {
        auto found = targets.find(s.raw_attribute("r:id"));
        if (found != targets.end()) {
            sheets.push_back({std::string(s.raw_attribute("name")), found->second});
        }
    }
    return sheets;
}

} // namespace

void read_xlsx(ZipPackage& package, TextSink& out) {
    SharedStringsWalker shared;
    platform::XmlDocument strings = package.read_xml("xl/sharedStrings.xml");
    shared.walk(strings.node());
    for (const Sheet& sheet : workbook_sheets(package)) {
        out.paragraph();
        out.append(from_utf8(sheet.name));
        out.paragraph();
        platform::XmlDocument doc = package.read_xml(sheet.part);
        SheetWalker walker(out, shared.strings);
        walker.walk(doc.node());
        if (out.full()) {
            break;
        }
    }
}

} // namespace paginor::convert
