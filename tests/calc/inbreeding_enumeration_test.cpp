// The reference walk of F against a brute force of the paths between the parents.
#include "calc/inbreeding_enumeration.h"

#include <cmath>

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

TEST(InbreedingEnumeration, FEqualsHalfTheBruteForcePathSumBetweenParents)
{
    for (uint32_t seed = 11; seed <= 16; ++seed) {
        SCOPED_TRACE(seed);
        TAhnenData data = test::RandomPedigree(seed, 26);
        FamilyGraph graph(data);
        std::vector<TPersonResult> results(26);
        InbreedingEnumerator enumerator(data, graph, results);
        for (int64_t p = 0; p < 26; ++p) {
            int64_t father = data.GetFather(p), mother = data.GetMother(p);
            if (father < 0 || mother < 0) continue;
            auto paths = test::BruteForcePaths(data, father, false,
                                               [](int64_t, int64_t, bool) { return 1; });
            double expected = 0;
            for (auto [n, k] : paths[mother]) expected += std::ldexp(static_cast<double>(k), -n);
            WalkGuard guard;
            ASSERT_TRUE(enumerator.ComputeF(static_cast<int32_t>(p), guard));
            EXPECT_DOUBLE_EQ(results[p].F, expected / 2) << "person " << p;
        }
    }
}

}  // namespace
}  // namespace qv
