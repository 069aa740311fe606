// "config": the settings in effect, in config.ini form.
#include <iostream>

#include "app/config_file.h"
#include "cli/command.h"
#include "cli/settings_options.h"
#include "data/text_lines.h"

namespace qv::cli {

int RunConfig(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kConfigOption, kSetOption});
    if (!parsed.Positional().empty())
        throw UsageError("Unerwartetes Argument: " + parsed.Positional()[0]);
    TImageSettings settings = LoadSettingsOptions(parsed);
    std::cout << JoinLinesCrLf(SettingsLines(settings));
    return 0;
}

}  // namespace qv::cli
