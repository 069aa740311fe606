// Expanding person templates: names, events, Kekule numbers and metrics in one pass.
#include "app/person_label.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "app/placeholder_substitution.h"
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

// The value of a name or event placeholder, or nothing for other tokens.
std::optional<std::string> NameOrEventValue(std::string_view token, const TPerson& p,
                                            bool questionMarks)
{
    const std::pair<std::string_view, const std::string*> values[] = {
        {"<NName>", &p.Surname},
        {"<VName>", &p.GivenNames},
        {"<Geb-Datum>", &p.Birth.Date},
        {"<Geb-Ort>", &p.Birth.Place},
        {"<Tod-Datum>", &p.Death.Date},
        {"<Tod-Ort>", &p.Death.Place},
        {"<Tauf-Datum>", &p.Christening.Date},
        {"<Tauf-Ort>", &p.Christening.Place},
        {"<Beerd-Datum>", &p.Burial.Date},
        {"<Beerd-Ort>", &p.Burial.Place},
    };
    if (token == "<NNAME>") return QuestionMarkValue(UpperCaseUtf8(p.Surname), questionMarks);
    if (token == "<Nummer>") return p.Id;
    for (const auto& [name, value] : values)
        if (token == name) return QuestionMarkValue(*value, questionMarks);
    return std::nullopt;
}

bool IsPersonMetric(std::string_view name)
{
    const std::vector<std::string>& names = PersonMetricNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The values of the placeholders that need the engine. The Kekule lists are built once each,
// "<Kekule>" first, so their footnotes keep one order however often the placeholders occur.
class EngineValues {
public:
    EngineValues(TCalcClass& calc, int64_t person, const std::string& templateText,
                 bool footnoteMode, int32_t threshold, TFootNotes& footnotes)
        : m_calc(calc), m_person(person)
    {
        if (templateText.find("<Kekule>") != std::string::npos)
            m_kekule = KekuleValue(calc.GetValueArray("kekule", person), "", footnoteMode,
                                   threshold, footnotes);
        if (templateText.find("<KekuleX>") != std::string::npos)
            m_kekuleX = KekuleValue(calc.GetValueArray("kekulex", person), "x", footnoteMode,
                                    threshold, footnotes);
    }

    std::optional<std::string> operator()(std::string_view token) const
    {
        if (token == "<Kekule>") return m_kekule;
        if (token == "<KekuleX>") return m_kekuleX;
        if (token == "<Kekule-Min>") return m_calc.GetValueText("kekule-min", m_person);
        std::string name(token.substr(1, token.size() - 2));
        if (IsPersonMetric(name)) return m_calc.GetValueText(name, m_person);
        return std::nullopt;
    }

private:
    TCalcClass& m_calc;
    int64_t m_person;
    std::optional<std::string> m_kekule, m_kekuleX;
};

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
    const TPerson& p = data.Persons[person];
    std::optional<EngineValues> engine;
    if (person < calc.PersonCount())
        engine.emplace(calc, person, templateText, footnoteMode, settings.Tree.FootnoteThreshold,
                       footnotes);
    return SubstitutePlaceholders(templateText, [&](std::string_view token) {
        std::optional<std::string> value = NameOrEventValue(token, p, questionMarks);
        if (!value && engine) value = (*engine)(token);
        return value;
    });
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
