// Ancestor lines: the rank scan of exact counts against the depth-first walk in doubles.
#include "calc/ancestor_lines.h"

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "calc/line_arithmetic.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

// Exact counts go through the ranks, doubles walk depth first. On small pedigrees the doubles
// are exact, so the halving sums of the counts must match them to the bit, for every start,
// both directions, X links (where up and down steps differ) and depth bounds; and the same
// persons must be found, each before its parents.
TEST(AncestorLines, RankScanEqualsTheDepthFirstWalk)
{
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        TAhnenData data = test::CollapsedPedigree(seed, 8 + seed % 14);
        if (seed % 3 == 0) data.RebuildChildren();
        FamilyGraph graph(data);
        DepthBounds depth(graph);
        for (bool x : {false, true}) {
            FamilyLinks links(graph, x);
            AncestorLines<ExactCounts> scanned;
            AncestorLines<HalvedSums> walked;
            for (int32_t start = 0; start < graph.Size(); ++start) {
                for (bool down : {false, true}) {
                    int32_t bound = seed % 2 ? kUnboundedDepth : depth.Below(start) + 1;
                    const std::vector<int32_t>* below = seed % 2 ? nullptr : &depth.BelowAll();
                    scanned.Run(links, start, down, below, bound);
                    walked.Run(links, start, down, below, bound);
                    ASSERT_EQ(scanned.Persons().size(), walked.Persons().size());
                    std::vector<size_t> position(graph.Size(), SIZE_MAX);
                    for (size_t i = 0; i < scanned.Persons().size(); ++i) {
                        int32_t p = scanned.Persons()[i];
                        position[p] = i;
                        const double* value = walked.Find(links, p);
                        ASSERT_NE(value, nullptr);
                        EXPECT_EQ(HalvingSum(scanned.Lines(i)), *value);
                        EXPECT_EQ(scanned.Find(links, p), &scanned.Lines(i));
                    }
                    for (int32_t p : scanned.Persons()) {
                        for (const ParentLink& l : down ? links.Down(p) : links.Up(p)) {
                            if (position[l.parent] != SIZE_MAX) {
                                EXPECT_LT(position[p], position[l.parent]);
                            }
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace qv
