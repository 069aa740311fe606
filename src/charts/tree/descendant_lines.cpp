// The family lines of the descendant tree: a bar above each couple's children, joined to the
// couple's marriage line at the middle of the bar.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>
#include <utility>

#include "charts/tree/image_nachfahren.h"
#include "charts/tree/person_sets.h"

namespace qv {

std::vector<ChartPolyline> TImage_Nachfahren::Lines() const
{
    std::vector<ChartPolyline> lines;
    TArrayOfBoolean linked(Data.Families.size(), false);
    for (const TTree_Node& node : m_tree.Nodes) {
        int32_t f = Data.Persons[node.Person].ParentFamily;
        if (f >= 0 && node.Parent >= 0) linked[f] = true;
    }
    // The lines depend only on the couple as shown: family records whose partners are not in
    // the tree all read as the same one-parent couple, and drawing each of them again made a
    // man with 10,000 wives cost 10,000 times all his children's lines.
    std::set<std::pair<int64_t, int64_t>> drawn;
    for (size_t f = 0; f < Data.Families.size(); ++f) {
        const TFamilie& family = Data.Families[f];
        std::pair<int64_t, int64_t> couple{HasNode(family.Husband) ? family.Husband : -1,
                                           HasNode(family.Wife) ? family.Wife : -1};
        if (linked[f] && drawn.insert(couple).second) AddFamilyLines(int32_t(f), lines);
    }
    return lines;
}

// How far the bar below a parent's row lies from the parent: LineMargin before the children.
int32_t TImage_Nachfahren::BarOffset(int64_t parent) const
{
    const int32_t depth = m_tree.Nodes[m_tree.NodeOf[parent]].Depth;
    const uint8_t alignment = Settings.Tree.Alignment;
    const int32_t s = (alignment == 1 || alignment == 3) ? 1 : -1;
    return RowCoordinate(depth + 1) - RowCoordinate(depth) - s * LineMargin();
}

// The children below a parent's node that belong to the couple (two family records of one
// couple share them) each get a line up to the bar; returns the middle of the bar.
std::optional<int32_t> TImage_Nachfahren::AddBar(int64_t parent, int64_t father, int64_t mother,
                                                 std::vector<ChartPolyline>& lines) const
{
    const Point p = PositionOf(parent);
    const int32_t h = BarOffset(parent);
    ChartPolyline bar;
    for (int32_t c : m_tree.Nodes[m_tree.NodeOf[parent]].Children) {
        int32_t f = Data.Persons[m_tree.Nodes[c].Person].ParentFamily;
        if (f < 0) continue;
        const TFamilie& family = Data.Families[f];
        if ((HasNode(family.Husband) ? family.Husband : -1) != father) continue;
        if ((HasNode(family.Wife) ? family.Wife : -1) != mother) continue;
        lines.push_back({m_positions[c], {m_positions[c].x, p.y + h}});
        bar.push_back({m_positions[c].x, p.y + h});
    }
    if (bar.empty()) return std::nullopt;
    const int32_t middle = (bar.front().x + bar.back().x) / 2;
    if (bar.size() > 1) {
        auto after = std::find_if(bar.rbegin(), bar.rend(), [&](Point q) { return q.x < middle; });
        bar.insert(after.base(), Point{middle, p.y + h});
        lines.push_back(std::move(bar));
    }
    return middle;
}

void TImage_Nachfahren::AddFamilyLines(int32_t family, std::vector<ChartPolyline>& lines) const
{
    const TFamilie& fam = Data.Families[family];
    const int64_t father = HasNode(fam.Husband) ? fam.Husband : -1;
    const int64_t mother = HasNode(fam.Wife) ? fam.Wife : -1;
    std::optional<int32_t> anchor;
    if (father >= 0 && !Data.Persons[father].IsDummy)
        anchor = AddBar(father, father, mother, lines);
    if (mother >= 0) {
        std::optional<int32_t> motherAnchor = AddBar(mother, father, mother, lines);
        if (motherAnchor) anchor = motherAnchor;
    }
    if (!anchor) return;
    const int32_t l = *anchor;
    if (father >= 0 && mother >= 0) {
        const Point fp = PositionOf(father), mp = PositionOf(mother);
        const int32_t depth = m_tree.Nodes[m_tree.NodeOf[father]].Depth;
        const int32_t h = BarOffset(father);
        const int32_t levels = std::max(1, FamilyLevel(0, AcrossExtent(), depth));
        const int32_t t = int32_t(int64_t(h) * FamilyLevel(fp.x, mp.x, depth) / levels);
        const int32_t c = std::min({std::abs(mp.x - l), std::abs(fp.x - l), m_pitch / 4});
        const int32_t sigma = fp.x < mp.x ? 1 : -1;
        lines.push_back(
            {fp, {fp.x + c * sigma, fp.y + t}, {l, fp.y + t}, {mp.x - c * sigma, mp.y + t}, mp});
        lines.push_back({{l, fp.y + h}, {l, fp.y + t}});
        return;
    }
    const int64_t parent = father >= 0 ? father : mother;
    if (Data.Persons[parent].IsDummy) return;
    const Point p = PositionOf(parent);
    lines.push_back({{l, p.y + BarOffset(parent)}, {l, p.y}});
}

}  // namespace qv
