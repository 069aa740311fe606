// The page content of the PDF: drawing operators from a walk over the SVG document.
#pragma once

#include <string>
#include <vector>

#include <pugixml.hpp>

#include "render/pdf_font_slots.h"

namespace qv {

// The operators for every child of root, in document order, with SVG y turned into
// height - y. Understands g, path, text, circle, rect and polygon, the presentation attributes
// the SVG writer produces and rotate(a, cx, cy). Throws Error on a number it cannot read.
std::string PdfPageContent(const pugi::xml_node& root, int height, const PdfFontSlots& fonts);

// The element children of a node, in document order.
std::vector<pugi::xml_node> ElementChildren(const pugi::xml_node& node);

// The text content of an element: all its character data, children included.
std::u16string SvgTextContent(const pugi::xml_node& element);

}  // namespace qv
