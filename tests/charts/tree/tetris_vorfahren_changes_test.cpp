// A trial that the step between two records is found to leave alone must pack and move every
// person exactly as a trial on the new record does; checked against real trials for every
// family after each of several switches.
#include "charts/tree/tetris_vorfahren_changes.h"

#include <gtest/gtest.h>

#include "charts/tree/random_pedigree.h"
#include "charts/tree/tetris_vorfahren_trial.h"

namespace qv {
namespace {

struct NotedTrial {
    TrialReach reach;
    std::vector<MovedPerson> moved;
};

std::vector<NotedTrial> NoteEveryTrial(const PackingRecord& record,
                                       const AncestorPackingInput& input, size_t families)
{
    std::vector<NotedTrial> noted(families);
    PackingTrial trial;
    for (int32_t f = 0; f < int32_t(families); ++f) {
        if (record.OrderNode(f) < 0) continue;
        trial.Run(record, input, f);
        trial.Reach(noted[size_t(f)].reach);
        noted[size_t(f)].moved = trial.Moved();
    }
    return noted;
}

TEST(PackingChanges, KeptTrialsPackAsTrialsOnTheNewRecord)
{
    int32_t kept = 0, packedAgain = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        test::RandomPacking s = test::MakeRandomPacking(seed);
        const AncestorPackingInput input = s.Input(seed % 3 == 0 ? 45 : 15);
        const size_t families = s.data.Families.size();
        PackingRecord before;
        before.Pack(input);
        const std::vector<NotedTrial> noted = NoteEveryTrial(before, input, families);
        PackingTrial trial;
        for (int32_t switched = 0; switched < int32_t(families); switched += 4) {
            if (before.OrderNode(switched) < 0) continue;
            s.switched[switched] = !s.switched[switched];
            PackingRecord after;
            after.Pack(input);
            PackingChanges changes;
            changes.Compare(before, after, switched);
            for (int32_t f = 0; f < int32_t(families); ++f) {
                const NotedTrial& then = noted[size_t(f)];
                if (!changes.Keeps(then.reach, after, f)) {
                    packedAgain += after.OrderNode(f) >= 0;
                    continue;
                }
                ++kept;
                trial.Run(after, input, f);
                ASSERT_EQ(trial.Moved(), then.moved) << "switched " << switched << " family " << f;
                if (then.reach.SameExtent) {
                    ASSERT_EQ(trial.Extent().Width, after.Extent().Width) << "family " << f;
                }
            }
            // Two steps on, the first record's trials are not taken for kept.
            PackingRecord later;
            later.Pack(input);
            changes.Compare(after, later, -1);
            for (int32_t f = 0; f < int32_t(families); ++f)
                ASSERT_FALSE(changes.Keeps(noted[size_t(f)].reach, later, f)) << "family " << f;
            s.switched[switched] = !s.switched[switched];
        }
    }
    EXPECT_GT(kept, 50);
    EXPECT_GT(packedAgain, 200);
}

// Without a switch nothing is touched and every trial is kept; the switched family's own trial
// (which would switch it back) never is.
TEST(PackingChanges, NothingSwitchedKeepsEveryTrialAndTheSwitchedFamilyIsPackedAgain)
{
    test::RandomPacking s = test::MakeRandomPacking(5);
    const AncestorPackingInput input = s.Input(15);
    PackingRecord before, same, switchedRecord;
    before.Pack(input);
    same.Pack(input);
    const std::vector<NotedTrial> noted = NoteEveryTrial(before, input, s.data.Families.size());
    PackingChanges unchanged, changes;
    unchanged.Compare(before, same, -1);
    int32_t tried = 0;
    for (int32_t f = 0; f < int32_t(noted.size()); ++f) {
        if (before.OrderNode(f) < 0) continue;
        ++tried;
        EXPECT_TRUE(unchanged.Keeps(noted[size_t(f)].reach, same, f)) << "family " << f;
        s.switched[size_t(f)] = !s.switched[size_t(f)];
        switchedRecord.Pack(input);
        s.switched[size_t(f)] = !s.switched[size_t(f)];
        changes.Compare(before, switchedRecord, f);
        EXPECT_FALSE(changes.Keeps(noted[size_t(f)].reach, switchedRecord, f)) << "family " << f;
    }
    EXPECT_GT(tried, 20);
}

}  // namespace
}  // namespace qv
