// One left-to-right pass: a candidate runs from a "<" to the next ">" with no "<" between.
#include "app/placeholder_substitution.h"

namespace qv {

std::string SubstitutePlaceholders(std::string_view text, const PlaceholderValue& value)
{
    std::string result;
    result.reserve(text.size());
    size_t done = 0;
    for (size_t open = text.find('<'); open != std::string_view::npos;) {
        size_t close = text.find('>', open + 1);
        if (close == std::string_view::npos) break;
        size_t inner = text.find('<', open + 1);
        if (inner < close) {
            open = inner;
            continue;
        }
        if (std::optional<std::string> replacement = value(text.substr(open, close + 1 - open))) {
            result.append(text.substr(done, open - done));
            result += *replacement;
            done = close + 1;
        }
        open = text.find('<', close + 1);
    }
    result.append(text.substr(done));
    return result;
}

}  // namespace qv
