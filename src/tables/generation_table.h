// The metric table of the generations ("Kennwert-Tabelle" › "Generationen").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/image_settings.h"
#include "calc/calc_class.h"
#include "data/progress.h"
#include "tables/table_data.h"

namespace qv {

// The generations of the engine's root that have persons, deepest descendants first, then 0,
// then the ancestor generations up to the highest (at most 62 each way).
std::vector<int64_t> GenerationRows(const TCalcClass& calc);

// One column per GenTableColumns entry (caption in row 0) and one row per generation of the
// proband; cells are the templates expanded for the generation, trimmed. Nothing when the
// engine's calculation was cancelled.
std::optional<TTableData> GenerationTableData(TCalcClass& calc, const TImageSettings& settings);

// Builds the table and writes it by the file's extension (pages without "<!DOCTYPE HTML>");
// false when cancelled.
bool BuildGenerationTable(TCalcClass& calc, const TImageSettings& settings, const std::string& path,
                          const ProgressCallback& progress = {});

}  // namespace qv
