// The comment blocks above and below a chart: headline, header and footer, written in HTML.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/image_settings.h"
#include "data/ahnen_data.h"
#include "render/html_page.h"
#include "render/scalable_vector_graphics.h"

namespace qv {

// Which keys a chart's comments use: the AT_, DD_ or KT_ switches.
enum class CommentKind { TreeChart = 0, Triangle = 1, Circle = 2 };

struct CommentSwitches {
    bool headline = false;
    bool header = false;
    bool footer = false;
};

CommentSwitches CommentSwitchesOf(const TImageSettings& settings, CommentKind kind);

// The switched-on blocks of the kind, the headline expanded.
HtmlPageComments CommentsOf(const TImageSettings& settings, const TAhnenData& data,
                            CommentKind kind);

// The HTML page of a chart: the comments from the settings, the SVG document drawn without
// them.
std::vector<std::string> BuildHtmlPage(const TScalableVectorGraphics& svg, const TAhnenData& data,
                                       CommentKind kind, const TImageSettings& settings);

}  // namespace qv
