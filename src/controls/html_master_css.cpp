#include "controls/html_master_css.h"

namespace paginor::controls {

const char* const kHtmlMasterCss = R"CSS(
html { display: block; position: relative; height: 100%; }
[style*="border"] { border-width: 3px; }
head, style, script, title, meta, link, param, embed, noscript, base { display: none; }
body { display: block; box-sizing: border-box; margin: 0; padding: 8px; height: 100%; }
p { display: block; margin-top: 1em; margin-bottom: 1em; }
b, strong { display: inline; font-weight: bold; }
i, em, cite, var, dfn, address { font-style: italic; }
u, ins { text-decoration: underline; }
s, strike, del { text-decoration: line-through; }
center { display: block; text-align: center; }
a:link, a[href] { text-decoration: underline; color: #0000ee; cursor: pointer; }
h1, h2, h3, h4, h5, h6, div, section, article, header, footer, nav, main, aside, figure,
form, fieldset, address, blockquote, pre, ul, ol, dl, dt, dd, hr, table caption, li,
menu, dir { display: block; }
h1 { font-size: 2em; margin: 0.67em 0; font-weight: bold; }
h2 { font-size: 1.5em; margin: 0.83em 0; font-weight: bold; }
h3 { font-size: 1.17em; margin: 1em 0; font-weight: bold; }
h4 { margin: 1.33em 0; font-weight: bold; }
h5 { font-size: 0.83em; margin: 1.67em 0; font-weight: bold; }
h6 { font-size: 0.67em; margin: 2.33em 0; font-weight: bold; }
blockquote { margin: 1em 40px; }
pre, code, tt, kbd, samp { font-family: "Courier New", monospace; }
pre { white-space: pre; margin: 1em 0; }
br { display: block; }
/* litehtml gives a line holding only a break no height: a break after a break stands for
   the empty line (its height here comes out doubled in the line's box). */
br + br { height: 0.55em; }
hr { border: 1px inset #808080; margin: 0.5em auto; }
ul, ol, menu, dir { margin: 1em 0; padding-left: 40px; }
ul { list-style-type: disc; }
ol { list-style-type: decimal; }
ul ul, ol ul { list-style-type: circle; margin: 0; }
ol ol, ul ol { margin: 0; }
li { display: list-item; }
dd { margin-left: 40px; }
dl { margin: 1em 0; }
img { display: inline-block; }
font { display: inline; }
small { font-size: smaller; }
big { font-size: larger; }
sub { vertical-align: sub; font-size: smaller; }
sup { vertical-align: super; font-size: smaller; }
table { display: table; border-collapse: separate; border-spacing: 2px; }
thead { display: table-header-group; vertical-align: middle; }
tbody { display: table-row-group; vertical-align: middle; }
tfoot { display: table-footer-group; vertical-align: middle; }
tr { display: table-row; vertical-align: inherit; }
td, th { display: table-cell; vertical-align: inherit; padding: 1px; }
th { font-weight: bold; text-align: center; }
caption { display: table-caption; text-align: center; }
table[border] { border: 1px outset #808080; }
table[border] td, table[border] th { border: 1px inset #808080; }
input, textarea, select, button { display: inline-block; }
object { display: inline-block; }
)CSS";

} // namespace paginor::controls
