// The two hit-marked renditions the viewer asks of the document converter: an HTML page
// for the browser, written to the temporary folder, and rich text for the rich-text box.
// A converter is made for each and dropped at its end; the settings go to it in one fixed
// order, which the converter's users rely on.
#pragma once

#include <string>
#include <string_view>

namespace paginor::viewer {

// What the host gave for the search the renditions mark.
struct SearchInputs {
    std::u16string_view fields;
    std::u16string_view hits;
    std::u16string_view index_path;
};

// Writes "\QMDoc" + stamp + ".html" under the temporary folder. subject is emptied once the
// converter exists. Every failure (making the converter, a setting, its run) raises.
void BuildHitHtml(std::u16string_view path, std::u16string_view stamp, const SearchInputs& in,
                  std::u16string& subject);

// The rich text for path, or of path + ".txt" when that companion exists; empty when the
// path cannot be looked up or the converter fails after taking its markup. Making the
// converter and giving it the markup raise.
std::u16string BuildHitRtf(std::u16string_view path, const SearchInputs& in);

} // namespace paginor::viewer
