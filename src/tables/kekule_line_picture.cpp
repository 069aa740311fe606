// Building the line data object and drawing it with the tree chart.
#include "tables/kekule_line_picture.h"

#include <memory>

#include "calc/family_document.h"
#include "charts/tree/template_texts.h"
#include "charts/tree/tree_chart.h"
#include "data/kekule.h"

namespace qv {
namespace {

// A copy with the person's own links removed; the line's links are set afterwards.
TPerson Unlinked(const TPerson& person)
{
    TPerson copy = person;
    copy.ParentFamily = -1;
    copy.ParentFamilyId.clear();
    copy.SpouseFamilies.clear();
    copy.Children.clear();
    return copy;
}

}  // namespace

TAhnenData KekuleLineData(const TAhnenData& data, int64_t root, int64_t number)
{
    TAhnenData line;
    if (root < 0 || root >= static_cast<int64_t>(data.Persons.size())) return line;
    line.FileName = data.FileName;
    line.Persons.push_back(Unlinked(data.Persons[root]));
    int64_t last = root;
    for (uint8_t step : KekulePath(number)) {
        int64_t parent = step == 0 ? data.GetFather(last) : data.GetMother(last);
        if (parent < 0) break;
        auto child = static_cast<int32_t>(line.Persons.size() - 1);
        TFamilie family;
        family.Id = "F" + std::to_string(child + 1);
        (step == 0 ? family.Husband : family.Wife) = child + 1;
        line.Families.push_back(family);
        line.Persons[child].ParentFamily = child;
        line.Persons.push_back(Unlinked(data.Persons[parent]));
        last = parent;
    }
    line.LinkFamilies();
    return line;
}

TImageSettings KekuleLineSettings()
{
    TImageSettings settings;
    settings.ProbandIndex = 0;
    settings.KekuleOneIndex = 0;
    settings.Tree.TreeMaxGen = 99;
    settings.Tree.Label = 3;
    settings.Tree.LabelCustomText = {"#<Kekule-Min>", "<NName>", "<VName>",
                                     "geb. <Geb-Datum> <Geb-Ort>", "gest. <Tod-Datum> <Tod-Ort>"};
    settings.Tree.LabelsSurnameCaps = true;
    settings.Tree.LabelsQuestionMark = false;
    settings.Tree.LabelGen = 1;
    settings.Tree.LabelGenCustomText = {"k = <k>"};
    settings.Tree.BackgroundColored = true;
    settings.Tree.Antialiasing = true;
    return settings;
}

std::optional<Bitmap> BuildKekuleLinePicture(const TAhnenData& data, int64_t root, int64_t number,
                                             ProgressCallback progress)
{
    auto line = std::make_unique<TAhnenData>(KekuleLineData(data, root, number));
    if (line->Persons.empty()) return std::nullopt;
    FamilyDocument document(std::move(line), progress);
    TImageSettings settings = KekuleLineSettings();
    TreeChartTexts texts = TemplateTexts(document.Calc(), settings);
    return BuildTreeChartBitmap(document.Data(), settings, texts, progress);
}

}  // namespace qv
