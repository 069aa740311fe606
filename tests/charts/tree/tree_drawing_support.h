// Reading back what the tree charts drew: symbols in an SVG document.
#pragma once

#include <string>

#include <pugixml.hpp>

#include <gtest/gtest.h>

#include "render/scalable_vector_graphics.h"

namespace qv::test {

inline pugi::xml_document ParseSvg(const TScalableVectorGraphics& svg)
{
    pugi::xml_document document;
    pugi::xml_parse_result parsed = document.load_string(svg.SaveToString().c_str());
    EXPECT_TRUE(parsed) << parsed.description();
    return document;
}

// Person symbols: the shapes inside the groups stroked in a sex colour (or black, when
// symbols are not coloured), counting each subpath of a merged path once, whether it moves
// absolutely or relatively.
inline int CountSymbols(const pugi::xml_node& root)
{
    int count = 0;
    const char* groups =
        "//g[@fill and (@stroke='#00F' or @stroke='#F00' or @stroke='#008000' or "
        "@stroke='#000')]/*";
    for (pugi::xpath_node hit : root.select_nodes(groups)) {
        pugi::xml_node shape = hit.node();
        std::string name = shape.name();
        if (name == "rect" || name == "circle" || name == "ellipse") ++count;
        if (name != "path") continue;
        for (char c : std::string(shape.attribute("d").value()))
            count += (c == 'M' || c == 'm') ? 1 : 0;
    }
    return count;
}

}  // namespace qv::test
