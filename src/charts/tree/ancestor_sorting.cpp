// The sorting passes: a record of the packing per pass, trials measured against it in
// parallel, and the same choice as the straightforward passes (the first family with the
// lowest cost, when it is lower than the pass's start).
#include "charts/tree/ancestor_sorting.h"

#include <atomic>
#include <future>
#include <limits>
#include <string>

#include "charts/tree/ancestor_sorting_runner.h"

namespace qv {
namespace {

constexpr double kNoWin = std::numeric_limits<double>::infinity();

// Lowers value to candidate unless it is lower already.
void LowerTo(std::atomic<int32_t>& value, int32_t candidate)
{
    int32_t current = value.load();
    while (candidate < current && !value.compare_exchange_weak(current, candidate)) {
    }
}

}  // namespace

AncestorSorter::AncestorSorter(const TAhnenData& data, const TArrayOfBoolean& drawn,
                               const AncestorPackingInput& input, TArrayOfBoolean& switched,
                               ProgressCallback progress, int threads)
    : m_input(input),
      m_switched(switched),
      m_progress(std::move(progress)),
      m_threads(threads > 0 ? threads : TrialThreads()),
      m_families(CollectSortingFamilies(data, drawn, input.Rows)),
      m_rowCrossings(m_families, input.Rows),
      m_crossings(m_rowCrossings),
      m_lengths(m_families, data.Persons.size()),
      m_workers(size_t(m_threads)),
      m_memos(data.Families.size()),
      m_reaches(data.Families.size())
{
}

AncestorSorter::PassStart AncestorSorter::Record(SortingMeasure measure)
{
    const PackingRecord& before = Current();
    m_current = 1 - m_current;
    PackingRecord& record = m_records[m_current];
    record.Pack(m_input);
    // What changed is needed only by the trials: it is found while the rows are measured.
    std::future<void> compare;
    if (before.Version() != 0)
        compare = std::async(std::launch::async,
                             [&] { m_changes.Compare(before, record, m_applied); });
    const PassStart start = Measure(measure, record);
    if (compare.valid()) compare.get();
    return start;
}

AncestorSorter::PassStart AncestorSorter::Measure(SortingMeasure measure,
                                                  const PackingRecord& record)
{
    const std::vector<int32_t>& positions = record.Positions();
    if (measure == SortingMeasure::LineLength) {
        m_lengths.Update(positions, record.Extent());
        return {measure, m_lengths.Total(), 0};
    }
    m_crossings.Update(positions, m_threads);
    const int64_t crossings = m_crossings.Total();
    if (measure == SortingMeasure::Crossings) return {measure, double(crossings), crossings};
    return {measure, double(record.Extent().Width), crossings};
}

// A trial that packs as on the previous record: its crossings follow from its memo, and its
// width is the record's when it was then. kNoWin when it has to be packed after all.
double AncestorSorter::KeptCost(const PassStart& start, int32_t family, Worker& worker)
{
    if (start.measure == SortingMeasure::Crossings && m_crossings.Remembers(m_memos[family]))
        return double(m_crossings.KeptTotal(m_memos[family], worker.crossings));
    if (start.measure == SortingMeasure::Width && m_reaches[family].SameExtent)
        return Current().Extent().Width;
    return kNoWin;
}

double AncestorSorter::TrialCost(const PassStart& start, int32_t family, Worker& worker)
{
    TrialReach& reach = m_reaches[family];
    if (m_changes.Keeps(reach, Current(), family)) {
        const double kept = KeptCost(start, family, worker);
        if (kept != kNoWin) {
            reach.Record = Current().Version();
            return kept;
        }
    }
    PackingTrial& trial = worker.trial;
    // The width needs no positions: a width trial places its persons only when it may win.
    trial.Pack(Current(), m_input, family);
    trial.Reach(reach);
    if (start.measure != SortingMeasure::Width) trial.Place();
    switch (start.measure) {
        case SortingMeasure::LineLength:
            return m_lengths.TrialTotal(trial, worker.lengths);
        case SortingMeasure::Crossings:
            return double(m_crossings.TrialTotal(trial, m_memos[family], worker.crossings));
        case SortingMeasure::Width:
            return trial.Extent().Width;
    }
    return kNoWin;
}

// A narrower trial wins only when it adds no crossings.
bool AncestorSorter::WidthWins(const PassStart& start, int32_t width, int32_t family,
                               Worker& worker)
{
    if (width >= start.cost) return false;
    worker.trial.Place();
    const int64_t crossings =
        m_crossings.TrialTotal(worker.trial, m_memos[family], worker.crossings);
    return crossings <= start.crossings;
}

bool AncestorSorter::Pass(SortingMeasure measure, const std::vector<int32_t>& families,
                          bool& changed)
{
    const PassStart start = Record(measure);
    const std::string text = SortingPassText(measure, start.cost);
    std::vector<double> costs(families.size(), kNoWin);
    // The narrowest trial known to add no crossings: wider ones need not be counted.
    std::atomic<int32_t> narrowest{std::numeric_limits<int32_t>::max()};
    auto trial = [&](size_t index, int worker) {
        const int32_t family = families[index];
        // A switch that cannot change the packing cannot win either.
        if (Current().OrderNode(family) < 0) return;
        const double cost = TrialCost(start, family, m_workers[worker]);
        if (measure != SortingMeasure::Width) {
            costs[index] = cost;
        } else if (int32_t(cost) <= narrowest.load() &&
                   WidthWins(start, int32_t(cost), family, m_workers[worker])) {
            costs[index] = cost;
            LowerTo(narrowest, int32_t(cost));
        }
    };
    auto report = [&](size_t index) {
        return ReportProgress(m_progress, text, int64_t(index), int64_t(families.size()));
    };
    if (!RunTrials(families.size(), m_threads, trial, report)) return false;
    double best = start.cost;
    int32_t bestFamily = -1;
    for (size_t i = 0; i < families.size(); ++i) {
        if (costs[i] < best) {
            best = costs[i];
            bestFamily = families[i];
        }
    }
    if (bestFamily >= 0) m_switched[bestFamily] = !m_switched[bestFamily];
    m_applied = bestFamily;
    changed = bestFamily >= 0;
    return true;
}

bool AncestorSorter::Run(uint8_t sorting)
{
    return RunSortingPasses(m_families, sorting,
                            [this](SortingMeasure measure, const std::vector<int32_t>& families,
                                   bool& changed) { return Pass(measure, families, changed); });
}

}  // namespace qv
