// The config.ini keys: their order, line forms and the setting each one stores.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/image_settings.h"

namespace qv {

// How a key's lines look: scalars "KEY = value", text lists "KEY=text" (one line per element),
// paths as scalars (the recent files one line each), column counts followed by their block.
enum class SettingType {
    Boolean,
    Number,
    Integer,
    TextList,
    Path,
    PathList,
    PersonColumns,
    GenerationColumns
};

// The stored field; a number's range follows from its type (uint8_t 0..255, uint32_t not
// negative). Column counts have no field of their own: they size the column arrays.
using SettingField = std::variant<std::monostate, bool*, uint8_t*, int32_t*, uint32_t*,
                                  std::string*, TArrayOfString*>;

struct SettingKey {
    const char* key;
    SettingType type;
    SettingField (*field)(TImageSettings&);
};

// More columns than any dialog offers; a larger count in a file is damage, not a wish.
constexpr int32_t kMaxTableColumns = 1000;

// Every key, in the order config.ini is written.
const std::vector<SettingKey>& SettingKeys();
// nullptr for an unknown key (keys are case-sensitive).
const SettingKey* FindSettingKey(std::string_view key);

enum class SettingResult { Applied, UnknownKey, InvalidValue };

// Applies one key and its (trimmed) value as a config.ini line does: numbers must be valid
// decimal integers in range, booleans are true exactly for "1", lists get the value appended,
// column counts resize their definitions (new columns empty).
SettingResult ApplySetting(TImageSettings& settings, std::string_view key, std::string_view value);

}  // namespace qv
