// Applying --config and --set to a settings object.
#include "cli/settings_options.h"

#include <set>
#include <string_view>

#include "app/config_file.h"
#include "app/dialog_ranges.h"
#include "app/settings_keys.h"
#include "data/text_lines.h"

namespace qv::cli {
namespace {

bool IsList(const SettingKey& key)
{
    return key.type == SettingType::TextList || key.type == SettingType::PathList;
}

void ApplySetOption(TImageSettings& settings, const std::string& option,
                    std::set<std::string>& listsSet)
{
    size_t equals = option.find('=');
    if (equals == std::string::npos) throw UsageError("--set erwartet SCHLÜSSEL=WERT");
    std::string key(TrimBlanks(std::string_view(option).substr(0, equals)));
    std::string_view value = TrimBlanks(std::string_view(option).substr(equals + 1));
    const SettingKey* known = FindSettingKey(key);
    if (!known) throw UsageError("Unbekannte Einstellung: " + key);
    if (IsList(*known) && listsSet.insert(key).second)
        std::get<TArrayOfString*>(known->field(settings))->clear();
    if (ApplySetting(settings, key, value) != SettingResult::Applied)
        throw UsageError("Ungültiger Wert für " + key + ": " + std::string(value));
}

}  // namespace

TImageSettings LoadSettingsOptions(const Arguments& args)
{
    TImageSettings settings;
    if (args.Has(kConfigOption.name)) ReadSettingsFile(settings, args.Value(kConfigOption.name));
    std::set<std::string> listsSet;
    for (const std::string& option : args.Values(kSetOption.name))
        ApplySetOption(settings, option, listsSet);
    ApplyDialogRanges(settings);
    return settings;
}

}  // namespace qv::cli
