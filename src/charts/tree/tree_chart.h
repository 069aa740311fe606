// The tree chart ("Ahnentafel/Ostrelle"): the ancestor chart and the descendant tree joined at
// the proband, with generation bands and captions, footnotes, highlight and comment blocks.
#pragma once

#include <cstdint>
#include <optional>

#include "app/image_settings.h"
#include "charts/tree/tree_chart_texts.h"
#include "data/ahnen_data.h"
#include "data/progress.h"
#include "render/bitmap.h"
#include "render/scalable_vector_graphics.h"

namespace qv {

// Nothing is returned when the progress callback cancelled. Throws Error with the message the
// user sees: "Kein Proband gewählt!", "Keine Personen in der Liste zum Anzeigen!" (type 2
// without selection), a cycle or generation conflict of the data, and "Nicht genügend
// Speicher zum Erstellen des Bildes verfügbar." for a picture too large to hold.
// personCount receives the number of persons shown; the data object itself stays untouched,
// as the engine on it requires.
std::optional<Bitmap> BuildTreeChartBitmap(const TAhnenData& data, const TImageSettings& settings,
                                           const TreeChartTexts& texts,
                                           ProgressCallback progress = {},
                                           int32_t* personCount = nullptr);

// pdfTarget writes plain symbol shapes for the PDF converter. An interactive document holds the
// ancestor chart alone, with ids, data and the script that folds it in a browser; every such
// document gets a cookie name of its own.
std::optional<TScalableVectorGraphics> BuildTreeChartSvg(
    const TAhnenData& data, const TImageSettings& settings, bool interactive,
    const TreeChartTexts& texts, ProgressCallback progress = {}, bool pdfTarget = false,
    int32_t* personCount = nullptr);

}  // namespace qv
