// The metric table of the selected persons ("Kennwert-Tabelle" › "ausgewählte Personen").
#pragma once

#include <optional>
#include <string>

#include "app/image_settings.h"
#include "calc/calc_class.h"
#include "data/progress.h"
#include "tables/table_data.h"

namespace qv {

// One column per TableColumns entry (caption in row 0) and one row per selected person, in
// person order sorted by the columns' sort marks ("aufsteigend 1", "absteigend 2" …, 1 the
// primary key); cells are the column templates expanded for the person with question marks.
// Nothing when the engine's calculation was cancelled.
std::optional<TTableData> PersonTableData(TCalcClass& calc, const TImageSettings& settings,
                                          const ProgressCallback& progress = {});

// Builds the table and writes it by the file's extension (WriteTableFile); false when
// cancelled.
bool BuildPersonTable(TCalcClass& calc, const TImageSettings& settings, const std::string& path,
                      const ProgressCallback& progress = {});

}  // namespace qv
