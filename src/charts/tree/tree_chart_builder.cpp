// The steps of a tree chart build up to the measured picture.
#include "charts/tree/tree_chart_builder.h"

#include <algorithm>

#include "charts/tree/generation_offset.h"
#include "charts/tree/tree_orientation.h"
#include "data/error.h"

namespace qv {

TreeChartBuilder::TreeChartBuilder(const TAhnenData& data, const TImageSettings& settings,
                                   const TreeChartTexts& texts, ProgressCallback progress,
                                   bool interactive)
    : m_data(data), m_texts(texts), m_interactive(interactive)
{
    if (settings.ProbandIndex < 0 || settings.ProbandIndex >= int64_t(data.Persons.size()))
        throw Error("Kein Proband gewählt!");
    if (settings.Tree.TreeType == 2 && settings.SelectedCount() == 0)
        throw Error("Keine Personen in der Liste zum Anzeigen!");
    m_settings.Assign(settings);
    if (interactive) {
        m_settings.Tree.TreeMaxGenDescendant = 0;
        // The collateral relatives live in the descendant tree, which the document leaves
        // out; its placeholder root would leave no ancestor chart either.
        m_settings.Tree.TreeType0Kindred = false;
    }
    m_highlighted = settings.FontHighlight ? settings.ProbandIndex : -1;
    // A cancel answer is remembered, so that later stages see it too.
    m_progress = [this, outer = std::move(progress)](const std::string& text, int64_t position,
                                                     int64_t maximum) {
        m_cancelled = m_cancelled || ReportProgress(outer, text, position, maximum);
        return m_cancelled;
    };
}

bool TreeChartBuilder::Report(const std::string& text)
{
    return m_progress(text, 0, 1);
}

void TreeChartBuilder::CreateCharts()
{
    int64_t limitFrom = -1;
    m_chartData = &m_data;
    if (m_settings.Tree.TreeType == 0 && m_settings.Tree.TreeType0Kindred) {
        limitFrom = m_settings.ProbandIndex;
        m_settings.SavedProbandIndex = m_settings.ProbandIndex;
        m_kindred.emplace(
            BuildKindredData(m_data, m_settings.ProbandIndex, m_settings.Tree.TreeMaxGen));
        m_settings.ProbandIndex = m_kindred->Root;
        m_chartData = &m_kindred->Data;
    }
    m_ancestors.emplace(*m_chartData, m_settings, m_progress, m_interactive);
    m_descendants.emplace(*m_chartData, m_settings, m_progress, limitFrom);
    m_ancestors->SetHighlighted(m_highlighted);
    m_descendants->SetHighlighted(m_highlighted);
}

bool TreeChartBuilder::LayOutCharts()
{
    TArrayOfBoolean persons = m_ancestors->CalcPersons();
    for (size_t p = 0; p < persons.size(); ++p)
        persons[p] = persons[p] || m_descendants->TreePersons()[p];
    if (m_texts.Prepare && !m_texts.Prepare(*m_chartData, persons)) return false;
    auto labels = [this](TFootNotes& notes) -> LabelSource {
        if (!m_texts.PersonLabel) return {};
        return [this, &notes](int64_t person) {
            return m_texts.PersonLabel(*m_chartData, person, notes);
        };
    };
    if (!m_ancestors->Layout(labels(m_ancestorNotes)) || m_cancelled) return false;
    return m_descendants->Layout(labels(m_descendantNotes)) && !m_cancelled;
}

bool TreeChartBuilder::Prepare()
{
    CreateCharts();
    if (m_cancelled || !LayOutCharts()) return false;
    AddCaptions();
    MeasureFrame();
    CountPersons();
    return !m_cancelled;
}

// Captions make their rows (and the margin beside or above the rows) large enough.
void TreeChartBuilder::AddCaptions()
{
    const int32_t p = GenerationOffset(SmallestKekuleNumbers(m_data, m_settings.GetKekuleOne()),
                                       *m_ancestors, *m_descendants);
    auto caption = [this](int64_t generation) {
        return m_texts.GenerationCaption ? m_texts.GenerationCaption(generation) : TArrayOfString{};
    };
    m_ancestorCaptions.resize(m_ancestors->RowCount());
    for (int32_t n = 0; n < m_ancestors->RowCount(); ++n) m_ancestorCaptions[n] = caption(-(n + p));
    m_descendantCaptions.resize(m_descendants->RowCount());
    for (int32_t i = 0; i < m_descendants->RowCount(); ++i)
        m_descendantCaptions[i] = caption(-(p - i));
    const bool horizontal = IsHorizontalAlignment(m_settings.Tree.Alignment);
    const int32_t lineHeight = m_ancestors->LineHeight();
    auto grow = [&](auto& chart, int32_t row, const TArrayOfString& lines) {
        if (lines.empty()) return;
        const int32_t tall = int32_t(lines.size()) * lineHeight + 20;
        const int32_t wide = m_ancestors->MaxTextWidth(lines) + 20;
        chart.GrowRow(row, horizontal ? wide : tall);
        int32_t& margin = horizontal ? m_margins.Top : m_margins.Left;
        margin = std::max(margin, horizontal ? tall : wide);
    };
    for (int32_t n = 0; n < m_ancestors->RowCount(); ++n)
        grow(*m_ancestors, n, m_ancestorCaptions[n]);
    for (int32_t i = 0; i < m_descendants->RowCount(); ++i)
        grow(*m_descendants, i, m_descendantCaptions[i]);
    m_ancestors->Relayout();
    m_descendants->Relayout();
}

void TreeChartBuilder::MeasureFrame()
{
    const int64_t proband = m_settings.ProbandIndex;
    m_frame = JoinAtProband(m_ancestors->OrientPoint(m_ancestors->PositionOf(proband)),
                            m_ancestors->Width, m_ancestors->Height,
                            m_descendants->OrientPoint(m_descendants->PositionOf(proband)),
                            m_descendants->Width, m_descendants->Height);
    const TFootNotes notes = MergeFootnotes(m_ancestorNotes, m_descendantNotes);
    const int32_t limit = m_frame.CombinedWidth + m_margins.Left - 20;
    auto width = [this](std::string_view text) { return m_ancestors->TextWidth(text); };
    m_footnoteLines.clear();
    for (const TFootNote& note : notes) {
        std::vector<FootnoteLine> lines = WrapFootnote(note.Key, note.Value, limit, width);
        m_footnoteLines.insert(m_footnoteLines.end(), lines.begin(), lines.end());
    }
    m_margins.Footnotes = m_footnoteLines.empty()
                              ? 0
                              : int32_t(m_footnoteLines.size()) * m_ancestors->LineHeight() + 20;
    CommentHeights comments =
        m_ancestors->MeasureComments(CommentKind::TreeChart, m_frame.CombinedWidth);
    m_margins.Header = comments.header;
    m_margins.Footer = comments.footer;
}

void TreeChartBuilder::CountPersons()
{
    const TArrayOfBoolean& drawn = m_ancestors->Drawn();
    const TArrayOfBoolean& tree = m_descendants->TreePersons();
    int32_t count = 0;
    for (size_t p = 0; p < drawn.size(); ++p)
        if ((drawn[p] || tree[p]) && !m_chartData->Persons[p].IsDummy) ++count;
    m_personCount = count;
}

int32_t TreeChartBuilder::ImageWidth() const
{
    return m_frame.CombinedWidth + m_margins.Left;
}

int32_t TreeChartBuilder::ImageHeight() const
{
    return m_margins.Header + m_margins.Top + m_frame.CombinedHeight + m_margins.Footnotes +
           m_margins.Footer;
}

Point TreeChartBuilder::AncestorPlace() const
{
    return {m_frame.AncestorOrigin.x + m_margins.Left,
            m_frame.AncestorOrigin.y + m_margins.Header + m_margins.Top};
}

Point TreeChartBuilder::DescendantPlace() const
{
    return {m_frame.DescendantOrigin.x + m_margins.Left,
            m_frame.DescendantOrigin.y + m_margins.Header + m_margins.Top};
}

}  // namespace qv
