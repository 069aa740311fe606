// Binding the triangle diagram's legend to ExpandPersonLabel.
#include "charts/triangle/triangle_labels.h"

#include "app/person_label.h"
#include "calc/required_flags.h"
#include "data/text_lines.h"

namespace qv {

TriangleLabels TriangleTemplateLabels(TCalcClass& calc, const TImageSettings& settings)
{
    const TArrayOfString lines = PersonLabelTemplate(settings, ChartKind::Triangle);
    TriangleLabels labels;
    if (lines.empty()) return labels;
    const std::string label = JoinLinesCrLf(lines);
    labels.Prepare = [&calc, &settings, label](const TArrayOfBoolean& persons) {
        if (calc.Proband() != settings.GetKekuleOne()) calc.SetProband(settings.GetKekuleOne());
        calc.SetRequired(persons);
        return calc.Calculate(RequiredFlags(label));
    };
    labels.PersonLabel = [&calc, &settings, label](int64_t person) {
        TFootNotes unused;
        return SplitLines(ExpandPersonLabel(calc.Data(), calc, person, settings, label, false,
                                            settings.Triangle.LabelsQuestionMark, unused));
    };
    return labels;
}

}  // namespace qv
