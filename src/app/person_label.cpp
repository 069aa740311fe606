// Expanding person templates in the fixed order of their placeholders.
#include "app/person_label.h"

#include "app/qt_text.h"
#include "calc/metric_names.h"
#include "data/replace_all.h"

namespace qv {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string Joined(const TArrayOfInt64& numbers, const char* separator)
{
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i)
        text += (i ? separator : "") + std::to_string(numbers[i]);
    return text;
}

// The value of "<Kekule>" (mark "") or "<KekuleX>" (mark "x").
std::string KekuleValue(const TArrayOfInt64& numbers, const std::string& mark, bool footnoteMode,
                        int32_t threshold, TFootNotes& footnotes)
{
    if (numbers.empty()) return {};
    if (!footnoteMode) return std::to_string(numbers.front());
    if (static_cast<int64_t>(numbers.size()) < threshold) return Joined(numbers, kCrLf);
    std::string key = std::to_string(numbers.front());
    if (!mark.empty()) key += '\x0E' + mark + '\x0F';
    key += ")";
    footnotes.push_back({key, Joined(numbers, ", ")});
    return key;
}

void ReplaceNamesAndEvents(std::string& text, const TPerson& p, bool questionMarks)
{
    auto q = [questionMarks](const std::string& value) {
        return QuestionMarkValue(value, questionMarks);
    };
    if (text.find("<NNAME>") != std::string::npos)
        ReplaceAll(text, "<NNAME>", q(UpperCaseUtf8(p.Surname)));
    const std::pair<const char*, std::string> values[] = {
        {"<NName>", q(p.Surname)},
        {"<VName>", q(p.GivenNames)},
        {"<Geb-Datum>", q(p.Birth.Date)},
        {"<Geb-Ort>", q(p.Birth.Place)},
        {"<Tod-Datum>", q(p.Death.Date)},
        {"<Tod-Ort>", q(p.Death.Place)},
        {"<Tauf-Datum>", q(p.Christening.Date)},
        {"<Tauf-Ort>", q(p.Christening.Place)},
        {"<Beerd-Datum>", q(p.Burial.Date)},
        {"<Beerd-Ort>", q(p.Burial.Place)},
        {"<Nummer>", p.Id},
    };
    for (const auto& [token, value] : values) ReplaceAll(text, token, value);
}

void ReplaceMetrics(std::string& text, TCalcClass& calc, int64_t person)
{
    if (text.find("<Kekule-Min>") != std::string::npos)
        ReplaceAll(text, "<Kekule-Min>", calc.GetValueText("kekule-min", person));
    for (const std::string& name : PersonMetricNames()) {
        std::string token = "<" + name + ">";
        if (text.find(token) != std::string::npos)
            ReplaceAll(text, token, calc.GetValueText(name, person));
    }
}

}  // namespace

std::string QuestionMarkValue(const std::string& value, bool questionMarks)
{
    if (value.find_first_not_of(' ') != std::string::npos) return value;
    return questionMarks ? "?" : "";
}

std::string ExpandPersonLabel(const TAhnenData& data, TCalcClass& calc, int64_t person,
                              const TImageSettings& settings, const std::string& templateText,
                              bool footnoteMode, bool questionMarks, TFootNotes& footnotes)
{
    if (person < 0 || person >= static_cast<int64_t>(data.Persons.size())) return {};
    calc.SetProband(settings.GetKekuleOne());
    std::string text = templateText;
    ReplaceNamesAndEvents(text, data.Persons[person], questionMarks);
    if (person >= calc.PersonCount()) return text;
    int32_t threshold = settings.Tree.FootnoteThreshold;
    if (text.find("<Kekule>") != std::string::npos)
        ReplaceAll(text, "<Kekule>",
                   KekuleValue(calc.GetValueArray("kekule", person), "", footnoteMode, threshold,
                               footnotes));
    if (text.find("<KekuleX>") != std::string::npos)
        ReplaceAll(text, "<KekuleX>",
                   KekuleValue(calc.GetValueArray("kekulex", person), "x", footnoteMode, threshold,
                               footnotes));
    ReplaceMetrics(text, calc, person);
    return text;
}

TArrayOfString PersonLabelTemplate(const TImageSettings& settings, ChartKind kind)
{
    bool tree = kind == ChartKind::TreeChart;
    uint8_t mode = tree ? settings.Tree.Label : settings.Triangle.Label;
    TArrayOfString lines;
    if (mode == 1) lines = {"<Kekule>"};
    if (mode == 2) lines = {"<NName>", "<VName>"};
    if (mode == 3) lines = tree ? settings.Tree.LabelCustomText : settings.Triangle.LabelCustomText;
    bool capitals = tree ? settings.Tree.LabelsSurnameCaps : settings.Triangle.LabelsSurnameCaps;
    if (capitals)
        for (std::string& line : lines) ReplaceAll(line, "<NName>", "<NNAME>");
    return lines;
}

}  // namespace qv
