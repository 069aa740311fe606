// Rewriting path data into its shortest absolute/relative form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The rewritten data, or nothing when the data is left as it is: empty, holding characters
// other than blanks, commas, numbers and the commands M L H V Z A (either case), or numbers
// without their own command letter. Throws Error on a number that cannot be read.
std::optional<std::string> RewritePathData(std::string_view data);

// Applies RewritePathData to the d attribute of a line holding a path element.
std::string RewritePathLine(std::string line);

}  // namespace qv
