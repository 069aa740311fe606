// Gathering the frequency diagram's counts from the engine.
#include "charts/frequency/diagram_data.h"

#include <algorithm>

#include "app/person_label.h"
#include "calc/required_flags.h"
#include "data/error.h"

namespace qv {
namespace {

constexpr const char* kLabelTemplate = "<NName>, <VName>";

// Widens b and e by the person's counts, any telling whether an earlier person had one; a
// person without any count adds nothing.
void WidenGenerationRange(DiagramData& diagram, const DiagramPerson& person, bool& any)
{
    for (int64_t j = 0; j < static_cast<int64_t>(person.counts.size()); ++j) {
        if (person.counts[static_cast<size_t>(j)] == 0) continue;
        diagram.first = any ? std::min(diagram.first, j) : j;
        diagram.last = any ? std::max(diagram.last, j) : j;
        any = true;
    }
}

// The range only grows, so the size is checked as the counts come in, before the arrays of
// a deep selection pile up.
void CheckSize(const DiagramData& diagram)
{
    const auto persons = static_cast<int64_t>(diagram.persons.size());
    if (persons > kDiagramCountsMost / (diagram.last - diagram.first + 1))
        throw Error(TooLargeDiagramMessage(persons));
}

}  // namespace

int64_t DiagramPerson::Count(int64_t generation) const
{
    if (generation < 0 || generation >= static_cast<int64_t>(counts.size())) return 0;
    return counts[static_cast<size_t>(generation)];
}

std::string TooManyPersonsWarning(int64_t persons)
{
    return "Es sind " + std::to_string(persons) +
           " Personen ausgewählt.\r\nEs wird empfohlen nur einige wenige Personen "
           "gleichzeitig\r\ndarzustellen, damit die Übersicht gewahrt bleibt.";
}

std::string TooLargeDiagramMessage(int64_t persons)
{
    return "Das Diagramm wäre zu groß: " + std::to_string(persons) +
           " Personen über so viele Generationen ergeben mehr als " +
           std::to_string(kDiagramCountsMost) + " Werte. Bitte weniger Personen auswählen.";
}

std::optional<DiagramData> CollectDiagramData(TCalcClass& calc, const TImageSettings& settings,
                                              const ProgressCallback& progress)
{
    const TAhnenData& data = calc.Data();
    if (settings.ProbandIndex < 0 ||
        settings.ProbandIndex >= static_cast<int64_t>(data.Persons.size()))
        throw Error("Kein Proband gewählt!");
    DiagramData diagram;
    diagram.value = FrequencyValueName(settings.FrequencyValue);
    TFootNotes unused;
    for (int64_t p = 0; p < static_cast<int64_t>(data.Persons.size()); ++p) {
        if (!settings.IsSelected(p)) continue;
        DiagramPerson person;
        person.person = p;
        person.label =
            ExpandPersonLabel(data, calc, p, settings, kLabelTemplate, false, false, unused);
        diagram.persons.push_back(std::move(person));
    }
    if (diagram.persons.empty()) throw Error("Keine Personen in der Liste zum Anzeigen!");
    CheckSize(diagram);
    // Labels root the engine at the Kekule-1 person; the counts are the proband's.
    calc.SetProband(settings.ProbandIndex);
    calc.SetRequired(settings.Selected);
    if (!calc.Calculate(RequiredFlags("<" + diagram.value + ">"))) return std::nullopt;
    const auto count = static_cast<int64_t>(diagram.persons.size());
    bool any = false;
    for (int64_t i = 0; i < count; ++i) {
        DiagramPerson& person = diagram.persons[static_cast<size_t>(i)];
        if (ReportProgress(progress, "Lese Vorkommen je Generation", i, count)) return std::nullopt;
        person.counts = calc.GetValueArray(diagram.value, person.person);
        person.color = DiagramColor(i + 1, count);
        person.curve = FitNormalCurve(person.counts);
        WidenGenerationRange(diagram, person, any);
        CheckSize(diagram);
    }
    return diagram;
}

}  // namespace qv
