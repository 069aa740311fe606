// Replacing the generation placeholders in catalogue order.
#include "app/generation_label.h"

#include "calc/metric_names.h"
#include "data/replace_all.h"

namespace qv {

TArrayOfString GenerationLabelTemplate(const TImageSettings& settings)
{
    if (settings.Tree.LabelGen != 1) return {};
    return settings.Tree.LabelGenCustomText;
}

TArrayOfString ExpandGenerationLabel(int64_t generation, const TArrayOfString& lines,
                                     const TCalcClass& calc)
{
    TArrayOfString expanded = lines;
    for (const std::string& name : GenerationMetricNames()) {
        std::string token = "<" + name + ">";
        std::string value;
        bool computed = false;
        for (std::string& line : expanded) {
            if (line.find(token) == std::string::npos) continue;
            if (!computed) value = calc.GetGenerationText(name, generation);
            computed = true;
            ReplaceAll(line, token, value);
        }
    }
    return expanded;
}

}  // namespace qv
