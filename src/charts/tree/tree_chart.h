// The tree chart ("Ahnentafel/Ostrelle"): the ancestor chart and the descendant tree joined at
// the proband, with generation bands and captions, footnotes, highlight and comment blocks.
#pragma once

#include <optional>
#include <string>

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
// Speicher zum Erstellen des Bildes verfügbar." for a picture too large to hold. Sets the
// data's OutputPersonCount.
std::optional<Bitmap> BuildTreeChartBitmap(TAhnenData& data, const TImageSettings& settings,
                                           const TreeChartTexts& texts,
                                           ProgressCallback progress = {});

// pdfTarget writes plain symbol shapes for the PDF converter. The interactive document is not
// built yet and is refused with an Error.
std::optional<TScalableVectorGraphics> BuildTreeChartSvg(
    TAhnenData& data, const TImageSettings& settings, bool interactive, const TreeChartTexts& texts,
    ProgressCallback progress = {}, bool pdfTarget = false);

}  // namespace qv
