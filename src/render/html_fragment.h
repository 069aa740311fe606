// Comment blocks written in HTML, laid out at a width and painted into a picture.
#pragma once

#include <string>
#include <vector>

#include "render/bitmap.h"

namespace qv {

// Lays out the UTF-8 lines (joined by line breaks) as one HTML document of the given width,
// with a browser's default body margin and serif text, on white, and returns a picture of
// exactly that width and the document's height. A width below 1 gives an empty picture.
Bitmap RenderHtmlFragment(const std::vector<std::string>& lines, int width);

}  // namespace qv
