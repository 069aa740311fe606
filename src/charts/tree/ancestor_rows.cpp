// Rows of the ancestor chart over marriage groups, computed with an explicit stack.
#include "charts/tree/ancestor_rows.h"

#include <algorithm>

#include "charts/tree/person_sets.h"

namespace qv {
namespace {

// A marriage group, or a single person in a marriage circle: everybody in it gets one row.
struct RowGroup {
    int32_t Base = 0;            // the largest generation of a drawn member
    std::vector<int64_t> Below;  // drawn children whose rows it must stand above
};

struct RowGroups {
    std::vector<int32_t> GroupOf;  // per person, -1 when not drawn nor linked to a drawn one
    std::vector<RowGroup> Groups;
};

void AddDrawnChildren(const TAhnenData& data, int64_t person, const TArrayOfBoolean& drawn,
                      std::vector<int64_t>& below)
{
    for (int64_t child : data.Persons[person].Children)
        if (drawn[child]) below.push_back(child);
}

RowGroups BuildRowGroups(const TAhnenData& data, int64_t proband, const TArrayOfBoolean& drawn,
                         const TArrayOfBoolean& inCircle, const std::vector<int32_t>& generation)
{
    RowGroups result;
    result.GroupOf.assign(data.Persons.size(), -1);
    TArrayOfBoolean linked = FamiliesWithChildIn(data, drawn);
    std::vector<int64_t> queue;
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        if (!drawn[p] || result.GroupOf[p] >= 0) continue;
        int32_t id = static_cast<int32_t>(result.Groups.size());
        RowGroup group;
        queue.assign(1, int64_t(p));
        result.GroupOf[p] = id;
        for (size_t head = 0; head < queue.size(); ++head) {
            int64_t member = queue[head];
            if (drawn[member]) {
                group.Base = std::max(group.Base, generation[member]);
                if (member != proband) AddDrawnChildren(data, member, drawn, group.Below);
            }
            if (inCircle[member]) continue;
            for (int32_t f : data.Persons[member].SpouseFamilies) {
                int64_t spouse = OtherSpouse(data.Families[f], member);
                if (!linked[f] || spouse < 0 || inCircle[spouse] || result.GroupOf[spouse] >= 0)
                    continue;
                result.GroupOf[spouse] = id;
                queue.push_back(spouse);
            }
        }
        result.Groups.push_back(std::move(group));
    }
    return result;
}

}  // namespace

std::vector<int32_t> AncestorGenerations(const TAhnenData& data, int64_t proband)
{
    std::vector<int32_t> generation(data.Persons.size(), -1);
    std::vector<int64_t> queue{proband};
    generation[proband] = 0;
    for (size_t head = 0; head < queue.size(); ++head) {
        for (int64_t parent : ParentsOf(data, queue[head])) {
            if (parent < 0 || generation[parent] >= 0) continue;
            generation[parent] = generation[queue[head]] + 1;
            queue.push_back(parent);
        }
    }
    for (int32_t& g : generation) g = std::max(g, 0);
    return generation;
}

std::vector<int32_t> ComputeAncestorRows(const TAhnenData& data, int64_t proband,
                                         const TArrayOfBoolean& drawn,
                                         const TArrayOfBoolean& inCircle)
{
    RowGroups groups =
        BuildRowGroups(data, proband, drawn, inCircle, AncestorGenerations(data, proband));
    enum : uint8_t { kNew, kOpen, kDone };
    std::vector<uint8_t> state(groups.Groups.size(), kNew);
    std::vector<int32_t> groupRow(groups.Groups.size(), 0);
    std::vector<int32_t> stack;
    for (size_t start = 0; start < groups.Groups.size(); ++start) {
        stack.assign(1, int32_t(start));
        while (!stack.empty()) {
            int32_t g = stack.back();
            if (state[g] == kNew) {
                state[g] = kOpen;
                for (int64_t child : groups.Groups[g].Below)
                    if (state[groups.GroupOf[child]] == kNew)
                        stack.push_back(groups.GroupOf[child]);
                continue;
            }
            stack.pop_back();
            if (state[g] == kDone) continue;
            // A group still open below is a cycle in the data; it cannot raise this one.
            int32_t row = groups.Groups[g].Base;
            for (int64_t child : groups.Groups[g].Below)
                if (state[groups.GroupOf[child]] == kDone)
                    row = std::max(row, groupRow[groups.GroupOf[child]] + 1);
            groupRow[g] = row;
            state[g] = kDone;
        }
    }
    std::vector<int32_t> rows(data.Persons.size(), -1);
    for (size_t p = 0; p < rows.size(); ++p)
        if (drawn[p]) rows[p] = groupRow[groups.GroupOf[p]];
    return rows;
}

}  // namespace qv
