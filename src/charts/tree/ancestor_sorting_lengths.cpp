// Line lengths: exact sums in half units, made the way the straightforward passes add them in
// single precision where that could round.
#include "charts/tree/ancestor_sorting_lengths.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

namespace qv {
namespace {

int64_t Anchor2(const SortingFamilyLines& line, const std::vector<int32_t>& positions)
{
    if (line.Father >= 0 && line.Mother >= 0)
        return (2 * int64_t(positions[line.Father]) + 2 * int64_t(positions[line.Mother])) / 2;
    return 2 * int64_t(positions[line.Father >= 0 ? line.Father : line.Mother]);
}

}  // namespace

LineLengths::LineLengths(const SortingFamilies& families, size_t personCount)
    : m_families(families), m_persons(families.Lines.size()), m_lines(personCount)
{
    for (size_t i = 0; i < families.Lines.size(); ++i) {
        const SortingFamilyLines& line = families.Lines[i];
        for (int64_t person : {line.Father, line.Mother})
            if (person >= 0) m_persons[i].push_back(int32_t(person));
        for (int64_t child : line.Children) m_persons[i].push_back(int32_t(child));
        for (int32_t person : m_persons[i])
            if (m_lines[person].empty() || m_lines[person].back() != int32_t(i))
                m_lines[person].push_back(int32_t(i));
    }
}

int64_t LineLengths::HalfUnits(int32_t index, const std::vector<int32_t>& positions) const
{
    const SortingFamilyLines& line = m_families.Lines[index];
    const int64_t anchor = Anchor2(line, positions);
    int64_t length = 0;
    if (line.Father >= 0 && line.Mother >= 0)
        length += 4 * std::abs(int64_t(positions[line.Father]) - positions[line.Mother]);
    for (int64_t child : line.Children) length += std::abs(2 * int64_t(positions[child]) - anchor);
    return length;
}

// Whether the trial moved the family's persons by different amounts.
bool LineLengths::Uneven(int32_t line, const std::vector<int32_t>& positions) const
{
    const std::vector<int32_t>& persons = m_persons[line];
    for (size_t i = 1; i < persons.size(); ++i)
        if (positions[persons[i]] - m_positions[persons[i]] !=
            positions[persons[0]] - m_positions[persons[0]])
            return true;
    return false;
}

// The straightforward passes add single-precision numbers, family by family. Where no partial
// sum can round (every half unit below 2^24 is a float) the exact sum is their result;
// otherwise they are added the same way, on the positions moved by the packing's final shift.
float LineLengths::Sum(int64_t halfUnits, const std::vector<int32_t>& positions,
                       TetrisExtent extent) const
{
    constexpr int64_t kExact = int64_t(1) << 24;
    if (halfUnits <= kExact && 2 * int64_t(extent.Width) <= kExact) return float(halfUnits) / 2;
    auto across2 = [&](int64_t person) { return 2 * (positions[person] + extent.Shift); };
    float cost = 0;
    for (const SortingFamilyLines& line : m_families.Lines) {
        const bool both = line.Father >= 0 && line.Mother >= 0;
        const int32_t anchor2 = both ? (across2(line.Father) + across2(line.Mother)) / 2
                                     : across2(line.Father >= 0 ? line.Father : line.Mother);
        const float anchor = float(anchor2) / 2;
        if (both) cost += float(std::abs(across2(line.Father) - across2(line.Mother)));
        for (int64_t child : line.Children) cost += std::fabs(float(across2(child)) / 2 - anchor);
    }
    return cost;
}

void LineLengths::Update(const std::vector<int32_t>& positions, TetrisExtent extent)
{
    m_halfUnits.resize(m_families.Lines.size());
    for (size_t i = 0; i < m_halfUnits.size(); ++i)
        m_halfUnits[i] = HalfUnits(int32_t(i), positions);
    m_positions = positions;
    m_totalHalfUnits = std::accumulate(m_halfUnits.begin(), m_halfUnits.end(), int64_t(0));
    m_total = Sum(m_totalHalfUnits, positions, extent);
}

float LineLengths::TrialTotal(const PackingTrial& trial, LengthScratch& scratch) const
{
    if (scratch.seen.size() != m_halfUnits.size() || ++scratch.stamp == 0) {
        scratch.seen.assign(m_halfUnits.size(), 0);
        scratch.stamp = 1;
    }
    const std::vector<int32_t>& positions = trial.Positions();
    int64_t total = m_totalHalfUnits;
    for (const MovedPerson& moved : trial.Moved()) {
        for (int32_t line : m_lines[moved.first]) {
            if (scratch.seen[line] == scratch.stamp) continue;
            scratch.seen[line] = scratch.stamp;
            if (Uneven(line, positions)) total += HalfUnits(line, positions) - m_halfUnits[line];
        }
    }
    return Sum(total, positions, trial.Extent());
}

}  // namespace qv
