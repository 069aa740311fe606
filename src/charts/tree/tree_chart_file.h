// The tree chart written to a file of the format its name's extension gives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/image_settings.h"
#include "app/output_counts.h"
#include "charts/tree/tree_chart_texts.h"
#include "data/ahnen_data.h"
#include "data/progress.h"

namespace qv {

// ".png", ".bmp", ".svg", ".pdf", ".html" or ".htm", in any letter case.
bool IsTreeChartFileName(const std::string& fileName);

// The settings copy the PDF and HTML outputs draw with: the comment blocks switched off, since
// a PDF page cannot render HTML and an HTML page shows the comments itself.
TImageSettings SettingsWithoutComments(const TImageSettings& settings);

// Builds and writes the chart (through a temporary file): a picture, an SVG document, a PDF
// page with plain symbols (creator is the program identification stored in it), or an HTML
// page around the document; interactive SVG and HTML files hold the scripted chart. Returns
// the persons shown, nothing when cancelled (and no file is written). Throws Error as the
// builders do, for a name of another format, and for an interactive picture or PDF.
std::optional<OutputCounts> WriteTreeChart(const TAhnenData& data, const TImageSettings& settings,
                                           const TreeChartTexts& texts, const std::string& fileName,
                                           const std::string& creator,
                                           ProgressCallback progress = {},
                                           bool interactive = false);

// Whether the chart can be written interactively to a file of this name (.svg, .html, .htm).
bool IsInteractiveTreeChartFileName(const std::string& fileName);

}  // namespace qv
