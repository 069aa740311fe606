// Left-to-right replacement without rescanning.
#include "data/replace_all.h"

namespace qv {

bool ReplaceAll(std::string& text, std::string_view token, std::string_view value)
{
    if (token.empty()) return false;
    size_t found = text.find(token);
    if (found == std::string::npos) return false;
    std::string result;
    result.reserve(text.size());
    size_t start = 0;
    for (; found != std::string::npos; found = text.find(token, start)) {
        result.append(text, start, found - start);
        result.append(value);
        start = found + token.size();
    }
    result.append(text, start);
    text = std::move(result);
    return true;
}

}  // namespace qv
