// Creating the triangle diagram: the persons, their values on an engine of its own, the sizes.
#include "charts/triangle/image_dreiecksdiagramm.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/calc_class.h"
#include "calc/required_flags.h"
#include "data/error.h"

namespace qv {

TImage_Dreiecksdiagramm::TImage_Dreiecksdiagramm(const TAhnenData& data,
                                                 const TImageSettings& settings,
                                                 ProgressCallback progress)
    : TImage_Common(ChartClass::Triangle, data, settings, std::move(progress))
{
}

bool TImage_Dreiecksdiagramm::Report(const std::string& text, int64_t position, int64_t maximum)
{
    m_cancelled = m_cancelled || ReportProgress(Progress, text, position, maximum);
    return m_cancelled;
}

bool TImage_Dreiecksdiagramm::Create(const TriangleLabels& labels)
{
    const int64_t proband = Settings.ProbandIndex;
    if (proband < 0 || proband >= int64_t(Data.Persons.size()))
        throw Error("Kein Proband gewählt!");
    if (Settings.Triangle.TreeType == 2 && Settings.SelectedCount() == 0)
        throw Error("Keine Personen in der Liste zum Anzeigen!");
    Side = SelectTriangleSides(Data, proband, Settings.Triangle.TreeType, Settings);
    TArrayOfBoolean shown(Side.size());
    for (size_t p = 0; p < Side.size(); ++p) shown[p] = Side[p] != 0;
    if (!ReadValues(shown)) return false;
    if (labels.PersonLabel) {
        TArrayOfBoolean drawn(Side.size(), false);
        for (const TrianglePoint& point : m_points) drawn[size_t(point.person)] = true;
        if ((labels.Prepare && !labels.Prepare(drawn)) || m_cancelled) return false;
        m_numbers = SharedNumbers(m_points);
        for (const TrianglePoint& point : m_points) m_labels.push_back(labels.PersonLabel(point.person));
    }
    int32_t ceilings[2] = {0, 0};
    bool filled[2] = {false, false};
    for (const TrianglePoint& point : m_points) {
        const int i = point.side == 1 ? 0 : 1;
        ceilings[i] = std::max(ceilings[i], int32_t(std::ceil(point.b)));
        filled[i] = true;
    }
    m_geometry.emplace(Settings.Triangle.Alignment, SideGenerations(ceilings[0], !filled[0]),
                       SideGenerations(ceilings[1], !filled[1]));
    MeasureLegend();
    return !m_cancelled;
}

// A person without a value (no path the engine could follow, as beyond the 62nd generation)
// has no place in the diagram: it is left out rather than drawn at a meaningless point.
bool TImage_Dreiecksdiagramm::ReadValues(const TArrayOfBoolean& shown)
{
    TCalcClass calc(Data, [this](const std::string& text, int64_t position, int64_t maximum) {
        return Report(text, position, maximum);
    });
    calc.SetProband(Settings.ProbandIndex);
    calc.SetRequired(shown);
    if (!calc.Calculate(RequiredFlags("<gbs(d)><g'b(d)>")) || m_cancelled) return false;
    for (size_t p = 0; p < Side.size(); ++p) {
        if (Side[p] == 0) continue;
        const auto b = float(calc.GetValueReal("gbs(d)", int64_t(p)));
        const auto h = float(calc.GetValueReal("g'b(d)", int64_t(p)));
        const int limit = Side[p] == 1 ? Settings.Triangle.TreeMaxGen
                                       : Settings.Triangle.TreeMaxGenDescendant;
        if (!std::isfinite(b) || !std::isfinite(h) || std::ceil(b) > float(limit)) {
            Side[p] = 0;
            continue;
        }
        m_points.push_back({int64_t(p), Side[p], b, h});
    }
    return true;
}

void TImage_Dreiecksdiagramm::MeasureLegend()
{
    Width = m_geometry->Width();
    Height = m_geometry->TriangleHeight();
    if (m_labels.empty()) return;
    const int32_t highest = *std::max_element(m_numbers.begin(), m_numbers.end());
    m_numberWidth = 0;
    for (int32_t number = 1; number <= highest; ++number)
        m_numberWidth = std::max(m_numberWidth, TextWidth(std::to_string(number)));
    m_numberWidth += 4;
    size_t lines = 0;
    m_labelWidth = 0;
    for (const TArrayOfString& label : m_labels) {
        m_labelWidth = std::max(m_labelWidth, MaxTextWidth(label));
        lines = std::max(lines, label.size());
    }
    m_labelWidth += 4;
    const int32_t cellHeight = LineHeight() * int32_t(lines) + 4;
    m_legend.emplace(Width, kTriangleMargin, m_numberWidth + m_labelWidth, cellHeight,
                     m_points.size());
    Width = m_legend->Width();
    Height += kTriangleMargin + m_legend->Height();
}

}  // namespace qv
