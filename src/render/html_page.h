// The HTML page around an SVG chart: comments as HTML above and below the inline SVG.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "render/scalable_vector_graphics.h"

namespace qv {

// The comment blocks of the page, already expanded; a missing block is switched off.
struct HtmlPageComments {
    // FONT_SIZE in points, for the headline's font element.
    int fontSize = 11;
    std::optional<std::vector<std::string>> headline;
    std::optional<std::vector<std::string>> header;
    std::optional<std::vector<std::string>> footer;
};

// The headline lines wrapped in an Arial font element of the font size, then the header
// lines: the text of the comment block above a chart.
std::vector<std::string> HeaderCommentLines(const HtmlPageComments& comments);

// The complete page as lines (the caller ends each with CR LF). The document should be drawn
// without comments: they appear here once, as HTML. Throws what saving the SVG throws.
std::vector<std::string> BuildHtmlPage(const TScalableVectorGraphics& svg,
                                       const HtmlPageComments& comments);

}  // namespace qv
