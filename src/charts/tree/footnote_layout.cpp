// Greedy word wrapping of footnotes, measured with the chart's font.
#include "charts/tree/footnote_layout.h"

namespace qv {

std::vector<FootnoteLine> WrapFootnote(const std::string& key, const std::string& text,
                                       int32_t wrapLimit, const TextWidthFunction& textWidth)
{
    std::vector<FootnoteLine> lines{{key, ""}};
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view word(text.data() + start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        std::string& line = lines.back().Text;
        std::string longer = line + " " + std::string(word);
        if (line.empty() || textWidth(key + longer) <= wrapLimit)
            line = std::move(longer);
        else
            lines.push_back({"", " " + std::string(word)});
    }
    return lines;
}

}  // namespace qv
