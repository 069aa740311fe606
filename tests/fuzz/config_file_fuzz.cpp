// libFuzzer target: any config.ini reads without crashing, and the settings read survive being
// written and read back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/config_file.h"
#include "app/dialog_ranges.h"
#include "data/text_lines.h"

namespace {

// Every line counts as a "KEY = value" line, block lines too; a table cell that reads as a
// marker or an assignment is therefore not expected to come back unchanged.
bool ReadsAsMarkup(const std::string& cell)
{
    std::string_view trimmed = qv::TrimBlanks(cell);
    return cell.find('=') != std::string::npos || trimmed == "TABLE_CAPTIONS_END" ||
           trimmed == "TABLE_GEN_CAPTIONS_END";
}

bool HasMarkupCells(const qv::TImageSettings& settings)
{
    for (const qv::PersonTableColumn& c : settings.TableColumns)
        if (ReadsAsMarkup(c.Caption) || ReadsAsMarkup(c.Template) || ReadsAsMarkup(c.SortSpec))
            return true;
    for (const qv::GenerationTableColumn& c : settings.GenTableColumns)
        if (ReadsAsMarkup(c.Caption) || ReadsAsMarkup(c.Template)) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    qv::StripUtf8Bom(text);
    qv::TImageSettings settings;
    qv::ReadSettingsLines(settings, qv::SplitLines(text));
    std::vector<std::string> written = qv::SettingsLines(settings);
    qv::TImageSettings again;
    qv::ReadSettingsLines(again, qv::SplitLines(qv::JoinLinesCrLf(written)));
    if (!HasMarkupCells(settings) && qv::SettingsLines(again) != written) __builtin_trap();
    qv::ApplyDialogRanges(settings);
    return 0;
}
