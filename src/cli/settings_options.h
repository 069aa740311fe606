// The settings an output command works with: --config FILE and --set KEY=VALUE.
#pragma once

#include "app/image_settings.h"
#include "cli/arguments.h"

namespace qv::cli {

inline const OptionSpec kConfigOption{"--config", true};
inline const OptionSpec kSetOption{"--set", true};

// The defaults, then the config.ini-form file of --config, then every --set in order (a list
// key's first --set replaces the list, later ones append), then the dialogs' ranges. A wrong
// key or value is a usage error; an unreadable file throws Error.
TImageSettings LoadSettingsOptions(const Arguments& args);

}  // namespace qv::cli
