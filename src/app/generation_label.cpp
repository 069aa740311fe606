// Replacing the generation placeholders of label lines.
#include "app/generation_label.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "app/placeholder_substitution.h"
#include "calc/metric_names.h"

namespace qv {

TArrayOfString GenerationLabelTemplate(const TImageSettings& settings)
{
    if (settings.Tree.LabelGen != 1) return {};
    return settings.Tree.LabelGenCustomText;
}

TArrayOfString ExpandGenerationLabel(int64_t generation, const TArrayOfString& lines,
                                     const TCalcClass& calc)
{
    const std::vector<std::string>& names = GenerationMetricNames();
    auto value = [&](std::string_view token) -> std::optional<std::string> {
        std::string name(token.substr(1, token.size() - 2));
        if (std::find(names.begin(), names.end(), name) == names.end()) return std::nullopt;
        return calc.GetGenerationText(name, generation);
    };
    TArrayOfString expanded;
    expanded.reserve(lines.size());
    for (const std::string& line : lines) expanded.push_back(SubstitutePlaceholders(line, value));
    return expanded;
}

}  // namespace qv
