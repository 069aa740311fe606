// Placing the mini ancestor table's ancestors, partner groups and children.
#include "app/mini_ahnentafel_layout.h"

#include <algorithm>
#include <cstdlib>

namespace qv {
namespace {

constexpr int kChildPitch = 2 * kMiniSymbolRadius + kMiniChildGap;
// Room between two groups of children on the same side.
constexpr int kGroupGap = 10;

bool ValidPerson(const TAhnenData& data, int64_t person)
{
    return person >= 0 && person < static_cast<int64_t>(data.Persons.size());
}

// Ancestors generation by generation (no recursion): a parent's line bends half way up.
void PlaceAncestors(const TAhnenData& data, MiniLayout& layout)
{
    std::vector<size_t> current = {0};
    for (int g = 1; g <= kMiniGenerations; ++g) {
        std::vector<size_t> next;
        int spread = 1 << (7 - g);
        for (size_t index : current) {
            MiniSymbol child = layout.symbols[index];
            int64_t parents[] = {data.GetFather(child.person), data.GetMother(child.person)};
            bool both = parents[0] >= 0 && parents[1] >= 0;
            layout.symbols[index].endMarker = parents[0] < 0 && parents[1] < 0;
            int y = child.y - kMiniGenerationHeight;
            int bend = child.y - kMiniGenerationHeight / 2;
            for (int side = 0; side < 2; ++side) {
                if (parents[side] < 0) continue;
                int x = both ? child.x + (side == 0 ? -spread : spread) : child.x;
                layout.lines.push_back({child.x, child.y, child.x, bend});
                layout.lines.push_back({child.x, bend, x, bend});
                layout.lines.push_back({x, bend, x, y});
                next.push_back(layout.symbols.size());
                layout.symbols.push_back({parents[side], x, y, MiniRole::Ancestor});
            }
        }
        current = std::move(next);
    }
    for (size_t index : current) layout.symbols[index].endMarker = true;
}

struct ChildGroup {
    int64_t partner = -1;
    int32_t family = -1;
    std::vector<int64_t> children;
};

// One group per partner in the order of the spouse families; children of families without
// a partner come first, nearest the centre, so that their line crosses no other group.
std::vector<ChildGroup> ChildGroups(const TAhnenData& data, int64_t centre)
{
    ChildGroup alone;
    std::vector<ChildGroup> groups;
    for (int32_t f : data.Persons[centre].SpouseFamilies) {
        const TFamilie& family = data.Families[f];
        int64_t partner = family.Husband == centre ? family.Wife : family.Husband;
        auto same = [partner](const ChildGroup& g) { return g.partner == partner; };
        auto it = std::find_if(groups.begin(), groups.end(), same);
        ChildGroup& group = partner < 0 ? alone : it != groups.end() ? *it : groups.emplace_back();
        if (partner >= 0 && group.partner < 0) group = {partner, f, {}};
        group.children.insert(group.children.end(), family.Children.begin(), family.Children.end());
    }
    if (!alone.children.empty()) groups.insert(groups.begin(), alone);
    return groups;
}

// A group side by side with the others of its side; side -1 is left, +1 right.
void PlaceGroup(const ChildGroup& group, int side, int inner, const MiniSymbol& centre,
                MiniLayout& layout)
{
    int slotCount = std::max<int>(1, static_cast<int>(group.children.size()));
    int first = centre.x + side * inner;
    int last = first + side * (slotCount - 1) * kChildPitch;
    int anchor = group.partner >= 0 ? (first + last) / 2 : centre.x;
    int childY = centre.y + kMiniChildDistance;
    int barY = centre.y + kMiniChildDistance / 2;
    if (group.partner >= 0) {
        layout.lines.push_back({centre.x, centre.y, anchor, centre.y});
        layout.symbols.push_back(
            {group.partner, anchor, centre.y, MiniRole::Partner, group.family});
    }
    if (group.children.empty()) return;
    layout.lines.push_back({anchor, centre.y, anchor, barY});
    layout.lines.push_back({std::min(anchor, std::min(first, last)), barY,
                            std::max(anchor, std::max(first, last)), barY});
    for (size_t i = 0; i < group.children.size(); ++i) {
        int x = first + side * static_cast<int>(i) * kChildPitch;
        layout.lines.push_back({x, barY, x, childY});
        layout.symbols.push_back({group.children[i], x, childY, MiniRole::Child});
    }
}

void PlaceDescendants(const TAhnenData& data, MiniLayout& layout)
{
    const MiniSymbol centre = layout.symbols[0];
    size_t counts[2] = {0, 0};
    int inner[2] = {kMiniChildDistance, kMiniChildDistance};
    for (const ChildGroup& group : ChildGroups(data, centre.person)) {
        // Each group goes to the side that holds fewer children so far; on a tie to the one
        // less filled (childless partners take room too), then to the left.
        bool left = counts[0] < counts[1] || (counts[0] == counts[1] && inner[0] <= inner[1]);
        int s = left ? 0 : 1;
        PlaceGroup(group, s == 0 ? -1 : 1, inner[s], centre, layout);
        int slotCount = std::max<int>(1, static_cast<int>(group.children.size()));
        inner[s] += slotCount * kChildPitch + kGroupGap;
        counts[s] += group.children.size();
    }
}

void AddEvent(std::string& hint, const char* label, const TOrtDatum& event)
{
    if (event.Date.empty() && event.Place.empty()) return;
    hint += "\n";
    hint += label;
    if (!event.Date.empty()) hint += " " + event.Date;
    if (!event.Place.empty()) hint += " in " + event.Place;
}

std::string OrQuestionMark(const std::string& name)
{
    return name.find_first_not_of(' ') == std::string::npos ? "?" : name;
}

}  // namespace

MiniLayout LayoutMiniAhnentafel(const TAhnenData& data, int64_t centre, int width, int height)
{
    MiniLayout layout;
    if (!ValidPerson(data, centre)) return layout;
    // The drawing spans the ancestors above and the children below; it is centred.
    int top = kMiniGenerations * kMiniGenerationHeight;
    int y = (height + top - kMiniChildDistance) / 2;
    layout.symbols.push_back({centre, width / 2, y, MiniRole::Centre});
    PlaceAncestors(data, layout);
    PlaceDescendants(data, layout);
    return layout;
}

int MiniSymbolAt(const MiniLayout& layout, int x, int y)
{
    for (int i = static_cast<int>(layout.symbols.size()) - 1; i >= 0; --i) {
        const MiniSymbol& s = layout.symbols[i];
        if (std::abs(s.x - x) <= kMiniHoverRadius && std::abs(s.y - y) <= kMiniHoverRadius)
            return i;
    }
    return -1;
}

std::string MiniAhnentafelHint(const TAhnenData& data, const MiniSymbol& symbol)
{
    if (!ValidPerson(data, symbol.person)) return {};
    const TPerson& p = data.Persons[symbol.person];
    std::string hint =
        "#" + p.Id + " " + OrQuestionMark(p.Surname) + ", " + OrQuestionMark(p.GivenNames);
    AddEvent(hint, "geb.", p.Birth);
    AddEvent(hint, "get.", p.Christening);
    if (symbol.role == MiniRole::Partner && symbol.family >= 0)
        AddEvent(hint, "verh.", data.Families[symbol.family].Marriage);
    AddEvent(hint, "gest.", p.Death);
    AddEvent(hint, "begr.", p.Burial);
    return hint;
}

}  // namespace qv
