// Comment HTML as well-formed XHTML, for the foreignObject of an SVG document.
#pragma once

#include <string>
#include <vector>

namespace qv {

// An SVG file is read as XML, which refuses what HTML forgives: "<br>" without its end, "<p>"
// left open, a bare "&", named references other than XML's five, upper-case tags. The lines
// come back as XHTML that shows what an HTML reader shows: tag and attribute names in lower
// case, every element closed (empty ones as "<br/>"), the elements HTML ends by itself ended,
// stray end tags dropped, references resolved to their characters, all text escaped. Comments,
// document types and processing instructions are left out, so is a tag cut off at the end.
std::vector<std::string> XhtmlFromHtml(const std::vector<std::string>& lines);

}  // namespace qv
