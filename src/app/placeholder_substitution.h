// Replacing the placeholders of a template in one pass over its text.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The value of a placeholder such as "<VName>" (brackets included); nothing for a text in
// angle brackets that is no placeholder.
using PlaceholderValue = std::function<std::optional<std::string>(std::string_view)>;

// Replaces every placeholder of text from left to right. Inserted values are never searched
// again, so a name such as "a<b>c" from the family file stays as it is; text in angle
// brackets that is no placeholder stays too.
std::string SubstitutePlaceholders(std::string_view text, const PlaceholderValue& value);

}  // namespace qv
