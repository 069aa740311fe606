// TImageSettings: every user-adjustable option of every output, and the selection state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/image_settings_symbol.h"
#include "app/table_columns.h"
#include "data/array_types.h"
#include "data/selection_state.h"

namespace qv {

// Tree chart ("AT_" keys).
struct TreeChartSettings {
    TArrayOfString LabelCustomText;     // AT_LABEL_CUSTOM_TEXT
    TArrayOfString LabelCustomTextExt;  // AT_LABEL_CUSTOM_TEXT_EXT
    TArrayOfString LabelGenCustomText;  // AT_LABEL_GEN_CUSTOM_TEXT
    // 0 top to bottom, 1 bottom to top, 2 left to right, 3 right to left.
    uint8_t Alignment = 1;
    bool Antialiasing = false;
    // 0 none, 1 Kekule numbers, 2 names, 3 custom template.
    uint8_t Label = 0;
    bool LabelExt = false;
    int32_t FootnoteThreshold = 10;
    bool BackgroundColored = false;
    // 0 none, 1 custom template.
    uint8_t LabelGen = 0;
    // 0 none, 1 minimise line length, 2 minimise crossings.
    uint8_t Sorting = 0;
    uint8_t TreeMaxGen = 99;
    uint8_t TreeMaxGenDescendant = 99;
    // 0 complete, 1 marriage circles, 2 selected persons.
    uint8_t TreeType = 0;
    bool TreeType1Min = false;
    bool TreeType0Kindred = false;
    bool CommentHeader = false;
    bool CommentFooter = false;
    bool CommentHeadline = false;
    bool LabelsSurnameCaps = false;
    bool LabelsQuestionMark = false;
    // "nur x-chrom. Linien": kept for the session only, never stored.
    bool XChromosomalLines = false;
    // The straightforward sorting passes instead of the fast ones (the same switches, slowly):
    // the yardstick of the benchmarks; never stored.
    bool ReferenceSorting = false;
};

// Triangle diagram ("DD_" keys).
struct TriangleSettings {
    TArrayOfString LabelCustomText;  // DD_LABEL_CUSTOM_TEXT
    // 0 bottom right, 1 top left, 2 top right, 3 bottom left.
    uint8_t Alignment = 1;
    bool Antialiasing = false;
    uint8_t Label = 0;
    uint8_t TreeMaxGen = 99;
    uint8_t TreeMaxGenDescendant = 99;
    uint8_t TreeType = 0;
    bool CommentHeader = false;
    bool CommentFooter = false;
    bool CommentHeadline = false;
    bool LabelsSurnameCaps = false;
    bool LabelsQuestionMark = false;
};

// Circle chart ("KT_" keys).
struct CircleChartSettings {
    bool Antialiasing = false;
    bool BackgroundColored = false;
    uint8_t TreeMaxGen = 99;
    bool CommentHeader = false;
    bool CommentFooter = false;
    bool CommentHeadline = false;
    bool HighlightDouble = false;
    // 0 circle, 1 half circle.
    uint8_t Shape = 0;
    bool Kekule = false;
    bool Generations = false;
    bool LabelsSurnameCaps = false;
    // Distance between generations; 0 is stored by default and used as 50 (ApplyDialogRanges).
    uint32_t NodeHeight = 0;
};

// Move-only: copies are made with Assign, whose rules differ from a member-wise copy.
class TImageSettings : public SelectionState {
public:
    TImageSettings() = default;
    TImageSettings(TImageSettings&&) = default;
    TImageSettings& operator=(TImageSettings&&) = default;
    TImageSettings(const TImageSettings&) = delete;
    TImageSettings& operator=(const TImageSettings&) = delete;

    TreeChartSettings Tree;
    TriangleSettings Triangle;
    CircleChartSettings Circle;
    // DG_VALUE: which value the frequency diagram shows (0 "gb(d)" … 8 "gbx2(s)").
    int32_t FrequencyValue = 0;

    TImageSettings_Symbol Symbol;
    uint32_t NodeWidth = 15;  // NODE_WIDTH
    bool NodeWidthOpt = false;
    uint32_t NodeHeight = 15;  // NODE_HEIGHT
    bool NodeHeightOpt = false;
    uint8_t FontSize = 10;
    bool FontAntialiasing = true;
    bool FontStayOnTop = false;
    bool FontHighlight = false;

    std::string OpenDirectory;
    std::string SaveDirectory;
    // Up to four paths, most recent first.
    TArrayOfString MostRecentlyUsed;

    // An empty definition is stored by default; the outputs use at least one column.
    std::vector<PersonTableColumn> TableColumns;
    std::vector<GenerationTableColumn> GenTableColumns;

    TArrayOfString CommentHeaderText;
    TArrayOfString CommentFooterText;
    TArrayOfString CommentHeadlineText;

    // The copy chart code works on: every setting except the table definitions, the
    // frequency-diagram value, the symbol colours and the recent files; the selection
    // state, with KekuleOneIndex made explicit (the source's GetKekuleOne).
    void Assign(const TImageSettings& source);
};

}  // namespace qv
