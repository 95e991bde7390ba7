#include "convert/readers/xml_pull.h"

#include <cstring>
#include <string>
#include <vector>

namespace paginor::convert {

namespace {

// Deeper documents are left to the parser, which states its own limit.
constexpr size_t kMaxDepth = 4096;
constexpr size_t kNone = size_t(-1);

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool name_start(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool name_char(char c) {
    return name_start(c) || (c >= '0' && c <= '9') || c == ':' || c == '.' || c == '-';
}

// The five named escapes; 0 for anything else.
char escape_at(std::string_view s) {
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}, {"&apos;", '\''}};
    for (const auto& [name, c] : kNamed) {
        if (s.starts_with(name)) {
            return c;
        }
    }
    return 0;
}

class Puller {
  public:
    Puller(std::string_view xml, XmlWalker& walker)
        : m_p(xml.data()), m_end(xml.data() + xml.size()), m_walker(walker) {}

    bool run() {
        if (at("<?xml") && m_end - m_p > 5 && is_space(m_p[5]) && !declaration()) {
            return false;
        }
        skip_spaces();
        if (!at_start_tag() || !start_tag()) {
            return false;
        }
        while (!m_open.empty()) {
            const char* lt = static_cast<const char*>(std::memchr(m_p, '<', size_t(m_end - m_p)));
            if (lt == nullptr || (lt != m_p && !text(lt))) {
                return false;
            }
            m_p = lt;
            bool ok = at("</") ? end_tag() : at_start_tag() && start_tag();
            if (!ok) {
                return false;
            }
        }
        skip_spaces();
        return m_p == m_end;
    }

  private:
    struct Open {
        std::string_view tag;
        bool has_child{false};
    };

    bool at(std::string_view s) const {
        return size_t(m_end - m_p) >= s.size() && std::memcmp(m_p, s.data(), s.size()) == 0;
    }
    bool at_start_tag() const { return m_end - m_p >= 2 && *m_p == '<' && name_start(m_p[1]); }
    void skip_spaces() {
        while (m_p < m_end && is_space(*m_p)) {
            ++m_p;
        }
    }
    std::string_view name() {
        const char* from = m_p;
        while (m_p < m_end && name_char(*m_p)) {
            ++m_p;
        }
        return {from, size_t(m_p - from)};
    }
    bool calls() {
        m_quiet = m_quiet || m_walker.stop();
        return !m_quiet && m_skip == kNone;
    }

    // "<?xml ... ?>", UTF-8 by default or by name: another encoding is the parser's.
    bool declaration() {
        m_p += 5;
        const char* from = m_p;
        while (m_p < m_end && !at("?>")) {
            if (*m_p == '<' || *m_p == '\0') {
                return false;
            }
            ++m_p;
        }
        if (m_p == m_end) {
            return false;
        }
        std::string_view decl(from, size_t(m_p - from));
        m_p += 2;
        size_t key = decl.find("encoding");
        if (key == std::string_view::npos) {
            return true;
        }
        std::string value;
        for (char c : decl.substr(key + 8)) {
            if (c != ' ' && c != '=' && c != '"' && c != '\'') {
                value += char(c >= 'a' && c <= 'z' ? c - 32 : c);
            } else if (!value.empty()) {
                break;
            }
        }
        return value == "UTF-8";
    }

    // At "<" and a name: the tag and its attributes (read only to be checked).
    bool start_tag() {
        ++m_p;
        std::string_view tag = name();
        m_attributes.clear();
        while (m_p < m_end) {
            char c = *m_p;
            if (c == '>' || c == '/') {
                bool empty = c == '/';
                if (empty && (m_end - m_p < 2 || m_p[1] != '>')) {
                    return false;
                }
                m_p += empty ? 2 : 1;
                return element(tag, empty);
            }
            if (!is_space(c)) {
                return false;
            }
            skip_spaces();
            if (m_p < m_end && (*m_p == '>' || *m_p == '/')) {
                continue;
            }
            if (m_p == m_end || !name_start(*m_p) || !attribute()) {
                return false;
            }
        }
        return false;
    }

    bool attribute() {
        std::string_view key = name();
        for (std::string_view seen : m_attributes) {
            if (seen == key) {
                return false; // repeated: the parser's to refuse
            }
        }
        m_attributes.push_back(key);
        skip_spaces();
        if (m_p == m_end || *m_p != '=') {
            return false;
        }
        ++m_p;
        skip_spaces();
        if (m_p == m_end || (*m_p != '"' && *m_p != '\'')) {
            return false;
        }
        char quote = *m_p++;
        const char* close = static_cast<const char*>(std::memchr(m_p, quote, size_t(m_end - m_p)));
        if (close == nullptr) {
            return false;
        }
        for (; m_p < close; ++m_p) {
            if (*m_p == '<' || *m_p == '\0') {
                return false;
            }
        }
        ++m_p;
        return true;
    }

    bool element(std::string_view tag, bool empty) {
        if (m_open.size() >= kMaxDepth) {
            return false;
        }
        if (!m_open.empty()) {
            m_open.back().has_child = true;
        }
        std::string_view local = local_name(tag);
        bool into = false;
        if (calls()) {
            into = m_walker.open(local, {});
            m_skip = into ? kNone : m_open.size();
        }
        if (empty) {
            if (into) {
                m_walker.close(local);
            }
            m_skip = m_skip == m_open.size() ? kNone : m_skip;
            return true;
        }
        m_open.push_back({tag, false});
        return true;
    }

    bool end_tag() {
        m_p += 2;
        std::string_view tag = name();
        skip_spaces();
        if (m_p == m_end || *m_p != '>' || m_open.empty() || m_open.back().tag != tag) {
            return false;
        }
        ++m_p;
        m_open.pop_back();
        if (calls()) {
            m_walker.close(local_name(tag));
        }
        m_skip = m_skip == m_open.size() ? kNone : m_skip;
        return true;
    }

    // The text from here to lt. Blank text is kept only as the sole child of its
    // element; line ends of every kind become "\n" and the escapes their characters.
    bool text(const char* lt) {
        bool blank = true;
        bool plain = true;
        for (const char* c = m_p; c < lt; ++c) {
            if (*c == '\0' || (*c == '&' && escape_at({c, size_t(lt - c)}) == 0)) {
                return false;
            }
            blank = blank && is_space(*c);
            plain = plain && *c != '&' && *c != '\r';
        }
        if (blank && (m_end - lt < 2 || lt[1] != '/' || m_open.back().has_child)) {
            return true;
        }
        m_open.back().has_child = true;
        if (!calls()) {
            return true;
        }
        if (plain) {
            m_walker.text({m_p, size_t(lt - m_p)});
            return true;
        }
        m_scratch.clear();
        for (const char* c = m_p; c < lt; ++c) {
            if (*c == '&') {
                char e = escape_at({c, size_t(lt - c)});
                c = static_cast<const char*>(std::memchr(c, ';', size_t(lt - c)));
                m_scratch += e;
            } else if (*c == '\r') {
                c += c + 1 < lt && c[1] == '\n' ? 1 : 0;
                m_scratch += '\n';
            } else {
                m_scratch += *c;
            }
        }
        m_walker.text(m_scratch);
        return true;
    }

    const char* m_p;
    const char* const m_end;
    XmlWalker& m_walker;
    std::vector<Open> m_open;
    std::vector<std::string_view> m_attributes;
    size_t m_skip{kNone}; // the depth of the element the walker would not go into
    bool m_quiet{false};  // the walker asked to stop
    std::string m_scratch;
};

} // namespace

bool pull_walk(std::string_view xml, XmlWalker& walker) {
    return Puller(xml, walker).run();
}

} // namespace paginor::convert
