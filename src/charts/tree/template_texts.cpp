// Binding the tree chart to ExpandPersonLabel and ExpandGenerationLabel.
#include "charts/tree/template_texts.h"

#include "app/generation_label.h"
#include "app/person_label.h"
#include "calc/required_flags.h"
#include "data/text_lines.h"

namespace qv {
namespace {

// Template lines are expanded as one text, joined by CR LF.
std::string JoinTemplate(const TArrayOfString& lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    return text;
}

}  // namespace

TreeChartTexts TemplateTexts(TCalcClass& calc, const TImageSettings& settings)
{
    const std::string label = JoinTemplate(PersonLabelTemplate(settings, ChartKind::TreeChart));
    const std::string extended = JoinTemplate(settings.Tree.LabelCustomTextExt);
    TreeChartTexts texts;
    // The extended label's values are computed with the label's when hover boxes show it.
    const std::string needed = settings.Tree.LabelExt ? label + extended : label;
    texts.Prepare = [&calc, &settings, needed](const TAhnenData&, const TArrayOfBoolean& persons) {
        if (calc.Proband() != settings.GetKekuleOne()) calc.SetProband(settings.GetKekuleOne());
        calc.SetRequired(persons);
        return calc.Calculate(RequiredFlags(needed));
    };
    auto expand = [&calc, &settings](const std::string& text) {
        return [&calc, &settings, text](const TAhnenData& data, int64_t person,
                                        TFootNotes& footnotes) {
            if (text.empty()) return TArrayOfString{};
            return SplitLines(ExpandPersonLabel(data, calc, person, settings, text, true,
                                                settings.Tree.LabelsQuestionMark, footnotes));
        };
    };
    texts.PersonLabel = expand(label);
    texts.ExtendedLabel = expand(extended);
    texts.GenerationCaption = [&calc, &settings](int64_t generation) {
        TArrayOfString lines = GenerationLabelTemplate(settings);
        return lines.empty() ? lines : ExpandGenerationLabel(generation, lines, calc);
    };
    return texts;
}

}  // namespace qv
