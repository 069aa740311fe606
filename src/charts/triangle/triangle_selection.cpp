// Marking ancestors and descendants, and pruning them to the marriage circles.
#include "charts/triangle/triangle_selection.h"

#include <vector>

namespace qv {
namespace {

// Every person reached from the proband through `next` gets the side; a stack, not recursion,
// since lines can be thousands of generations long in generated files.
template <typename Next>
void MarkReachable(TriangleSides& sides, int64_t proband, int8_t side, Next next)
{
    std::vector<int64_t> stack{proband};
    sides[proband] = side;
    while (!stack.empty()) {
        const int64_t person = stack.back();
        stack.pop_back();
        next(person, [&](int64_t other) {
            if (other < 0 || sides[other] == side) return;
            sides[other] = side;
            stack.push_back(other);
        });
    }
}

bool Shown(const TriangleSides& sides, int64_t person)
{
    return person >= 0 && sides[person] != 0;
}

int ShownChildren(const TAhnenData& data, const TriangleSides& sides, int64_t person)
{
    int count = 0;
    for (int64_t child : data.Persons[person].Children) count += Shown(sides, child) ? 1 : 0;
    return count;
}

bool HidesDescendant(const TAhnenData& data, const TriangleSides& sides, int64_t person)
{
    if (sides[person] != -1 || ShownChildren(data, sides, person) > 0) return false;
    return !(Shown(sides, data.GetFather(person)) && Shown(sides, data.GetMother(person)));
}

bool HidesAncestor(const TAhnenData& data, const TriangleSides& sides, int64_t person)
{
    if (sides[person] != 1) return false;
    if (Shown(sides, data.GetFather(person)) || Shown(sides, data.GetMother(person))) return false;
    return ShownChildren(data, sides, person) < 2;
}

// Hides persons while `hides` says so, until nothing changes: a hidden person only makes its
// `neighbours` hideable, so only they are looked at again.
template <typename Hides, typename Neighbours>
void Prune(TriangleSides& sides, Hides hides, Neighbours neighbours)
{
    std::vector<int64_t> work;
    for (int64_t p = int64_t(sides.size()) - 1; p >= 0; --p) work.push_back(p);
    while (!work.empty()) {
        const int64_t person = work.back();
        work.pop_back();
        if (!hides(person)) continue;
        sides[person] = 0;
        neighbours(person, [&](int64_t other) {
            if (Shown(sides, other)) work.push_back(other);
        });
    }
}

void KeepMarriageCircles(const TAhnenData& data, TriangleSides& sides)
{
    Prune(
        sides, [&](int64_t p) { return HidesDescendant(data, sides, p); },
        [&](int64_t p, auto visit) {
            visit(data.GetFather(p));
            visit(data.GetMother(p));
        });
    Prune(
        sides, [&](int64_t p) { return HidesAncestor(data, sides, p); },
        [&](int64_t p, auto visit) {
            for (int64_t child : data.Persons[p].Children) visit(child);
        });
}

}  // namespace

TriangleSides SelectTriangleSides(const TAhnenData& data, int64_t proband, int treeType,
                                  const SelectionState& selection)
{
    TriangleSides sides(data.Persons.size(), 0);
    if (proband < 0 || proband >= int64_t(sides.size())) return sides;
    MarkReachable(sides, proband, 1, [&](int64_t p, auto visit) {
        visit(data.GetFather(p));
        visit(data.GetMother(p));
    });
    MarkReachable(sides, proband, -1, [&](int64_t p, auto visit) {
        for (int64_t child : data.Persons[p].Children) visit(child);
    });
    if (treeType == 1) KeepMarriageCircles(data, sides);
    if (treeType == 2)
        for (size_t p = 0; p < sides.size(); ++p)
            if (!selection.IsSelected(int64_t(p))) sides[p] = 0;
    return sides;
}

}  // namespace qv
