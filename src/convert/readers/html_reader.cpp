#include "convert/readers/readers.h"
#include "platform/core/unicode.h"

#include <gumbo.h>

#include <vector>

namespace paginor::convert {

namespace {

bool is_block(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_P:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_BR:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_UL:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_SECTION:
    case GUMBO_TAG_ARTICLE:
    case GUMBO_TAG_HR:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_DD:
        return true;
    default:
        return false;
    }
}

bool is_hidden(GumboTag tag) {
    return tag == GUMBO_TAG_HEAD || tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE ||
           tag == GUMBO_TAG_TEMPLATE || tag == GUMBO_TAG_NOSCRIPT;
}

// Text outside "pre" is collapsed as a browser lays it out: runs of white space are
// one blank, and none at the start of a paragraph.
void put_collapsed(std::u16string_view text, TextSink& out, bool& blank_pending) {
    for (char16_t c : text) {
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0) {
            blank_pending = true;
            continue;
        }
        if (blank_pending) {
            out.append(u' ');
            blank_pending = false;
        }
        out.append(c);
    }
}

} // namespace

void read_html(std::string_view bytes, TextSink& out) {
    std::string utf8 = to_utf8(decode_text(bytes));
    GumboOutput* parsed = gumbo_parse_with_options(&kGumboDefaultOptions, utf8.data(), utf8.size());
    // Depth-first without recursion: a node, then a marker that closes its block.
    struct Step {
        const GumboNode* node;
        bool closing;
    };
    std::vector<Step> stack{{parsed->root, false}};
    bool blank_pending = false;
    int in_pre = 0;
    while (!stack.empty() && !out.full()) {
        Step step = stack.back();
        stack.pop_back();
        const GumboNode* node = step.node;
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_CDATA ||
            (node->type == GUMBO_NODE_WHITESPACE && in_pre == 0)) {
            std::u16string text = from_utf8(node->v.text.text);
            if (in_pre > 0) {
                out.append(text);
            } else {
                put_collapsed(text, out, blank_pending);
            }
            continue;
        }
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT) {
            continue;
        }
        GumboTag tag = node->type == GUMBO_NODE_ELEMENT ? node->v.element.tag : GUMBO_TAG_HTML;
        if (step.closing) {
            in_pre -= tag == GUMBO_TAG_PRE ? 1 : 0;
            if (is_block(tag)) {
                out.paragraph();
                blank_pending = false;
            }
            continue;
        }
        if (is_hidden(tag)) {
            continue;
        }
        if (is_block(tag)) {
            out.paragraph();
            blank_pending = false;
        } else if ((tag == GUMBO_TAG_TD || tag == GUMBO_TAG_TH) && !out.at_line_start()) {
            out.tab();
            blank_pending = false;
        }
        in_pre += tag == GUMBO_TAG_PRE ? 1 : 0;
        stack.push_back({node, true});
        const GumboVector& children = node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children
                                                                        : node->v.element.children;
        for (unsigned i = children.length; i > 0; --i) {
            stack.push_back({static_cast<const GumboNode*>(children.data[i - 1]), false});
        }
    }
    gumbo_destroy_output(&kGumboDefaultOptions, parsed);
}

} // namespace paginor::convert
