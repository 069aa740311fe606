// The pass's record and every trial pack exactly as TTetrisVorfahren packs the whole tree.
#include "charts/tree/tetris_vorfahren_trial.h"

#include <gtest/gtest.h>

#include "charts/tree/random_pedigree.h"

namespace qv {
namespace {

// Positions as TTetrisVorfahren's offsets, after its final shift.
int32_t Mismatches(const TTetrisVorfahren& full, const std::vector<int32_t>& positions,
                   TetrisExtent extent)
{
    int32_t wrong = full.PackedWidth != extent.Width;
    for (const TTetrisVorfahrenNode& node : full.Nodes())
        if (node.Person >= 0 && node.Offset != positions[node.Person] + extent.Shift) ++wrong;
    return wrong;
}

// The whole tree packed with one family switched, as a trial should come out.
void PackSwitched(TTetrisVorfahren& full, test::RandomPacking& s, const AncestorPackingInput& input,
                  int32_t family)
{
    s.switched[family] = !s.switched[family];
    full.Pack(input);
    s.switched[family] = !s.switched[family];
}

TEST(PackingTrial, RecordAndEveryTrialPackAsTheWholeTree)
{
    int32_t trials = 0;
    for (uint32_t seed = 1; seed <= 24; ++seed) {
        test::RandomPacking s = test::MakeRandomPacking(seed);
        const AncestorPackingInput input = s.Input(seed % 3 == 0 ? 45 : 15);
        SCOPED_TRACE("seed " + std::to_string(seed));
        PackingRecord record;
        record.Pack(input);
        TTetrisVorfahren full;
        full.Pack(input);
        ASSERT_EQ(Mismatches(full, record.Positions(), record.Extent()), 0);
        // Families whose order the build never asks for cannot change the packing.
        for (int32_t f = 0; f < int32_t(s.data.Families.size()); ++f)
            ASSERT_EQ(record.OrderNode(f) >= 0, full.OrderMatters(f)) << "family " << f;
        PackingTrial trial;
        for (int32_t f = 0; f < int32_t(s.data.Families.size()); ++f) {
            if (record.OrderNode(f) < 0) continue;
            trial.Run(record, input, f);
            PackSwitched(full, s, input, f);
            ASSERT_EQ(Mismatches(full, trial.Positions(), trial.Extent()), 0) << "family " << f;
            ++trials;
        }
    }
    EXPECT_GT(trials, 300);
}

// The persons a trial reports as moved are exactly those whose positions differ from the
// record's, and the trial leaves the next one a clean start.
TEST(PackingTrial, MovedPersonsAreThoseThatMoved)
{
    const test::RandomPacking s = test::MakeRandomPacking(7);
    const AncestorPackingInput input = s.Input(15);
    PackingRecord record;
    record.Pack(input);
    PackingTrial trial;
    for (int32_t f = 0; f < int32_t(s.data.Families.size()); ++f) {
        if (record.OrderNode(f) < 0) continue;
        trial.Run(record, input, f);
        std::vector<int32_t> moved(s.data.Persons.size(), 0);
        for (const MovedPerson& m : trial.Moved()) moved[m.first] += m.second;
        for (size_t p = 0; p < moved.size(); ++p)
            ASSERT_EQ(trial.Positions()[p] - record.Positions()[p], moved[p])
                << "family " << f << " person " << p;
    }
}

// Width trials pack without placing: whichever trials were only packed in between, a placed
// trial's positions and extent are those of the whole tree packed with its switch, and an
// unplaced one already has the whole tree's width.
TEST(PackingTrial, TrialsPackedWithoutPlacingLeaveLaterPlacementsRight)
{
    int32_t placed = 0;
    for (uint32_t seed : {3u, 8u, 13u}) {
        test::RandomPacking s = test::MakeRandomPacking(seed);
        const AncestorPackingInput input = s.Input(15);
        PackingRecord record;
        record.Pack(input);
        TTetrisVorfahren full;
        PackingTrial trial;
        int32_t trials = 0;
        for (int32_t f = 0; f < int32_t(s.data.Families.size()); ++f) {
            if (record.OrderNode(f) < 0) continue;
            trial.Pack(record, input, f);
            PackSwitched(full, s, input, f);
            ASSERT_EQ(trial.Extent().Width, full.PackedWidth) << "family " << f;
            if (++trials % 2 != 0) continue;
            trial.Place();
            ASSERT_EQ(Mismatches(full, trial.Positions(), trial.Extent()), 0) << "family " << f;
            ++placed;
        }
    }
    EXPECT_GT(placed, 10);
}

}  // namespace
}  // namespace qv
