// Formatting elapsed time for the completion message.
#include "app/duration_text.h"

namespace qv {

std::string DurationText(int64_t milliseconds)
{
    std::string text = std::to_string(milliseconds / 1000 % 60) + "s";
    if (milliseconds >= 60000) text = std::to_string(milliseconds / 60000 % 60) + "m " + text;
    if (milliseconds >= 3600000) text = std::to_string(milliseconds / 3600000) + "h " + text;
    return text;
}

}  // namespace qv
