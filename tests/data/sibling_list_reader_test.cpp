// Rebuilding a family from a sibling list: merges, pruning, round trips with real files.
#include "data/sibling_list_reader.h"

#include <set>

#include <gtest/gtest.h>

#include "data/example_family.h"
#include "data/gedcom_reader.h"
#include "data/kekule.h"
#include "data/sibling_groups.h"
#include "test_support.h"

namespace qv {
namespace {

TAhnenData Read(const std::string& text)
{
    return ReadSiblingList(text, "liste.txt");
}

// The Kekule numbers of the person who carries number n.
TArrayOfInt64 NumbersOf(const TAhnenData& data, int64_t n)
{
    int64_t person = PersonAtKekule(data, 0, n);
    if (person < 0) return {};
    return data.ComputeKekuleNumbers(0)[person];
}

TEST(SiblingListReader, FullSiblingsShareBothParents)
{
    TAhnenData data = Read(
        "Vollgeschwister\r\n\r\n12 14 /Berg/Berg/\r\n\r\n"
        "Einzelpersonen\r\n\r\n1 /Probe/\r\n");
    EXPECT_EQ(NumbersOf(data, 24), (TArrayOfInt64{24, 28}));
    EXPECT_EQ(NumbersOf(data, 29), (TArrayOfInt64{25, 29}));
    const TPerson& father = data.Persons[PersonAtKekule(data, 0, 24)];
    EXPECT_EQ(father.Id, "I24");
    EXPECT_EQ(father.Sex, 'M');
    EXPECT_EQ(data.Persons[PersonAtKekule(data, 0, 25)].Sex, 'F');
    EXPECT_EQ(data.Persons[0].Id, "I1");
    EXPECT_EQ(data.Persons[0].Sex, 'U');
    EXPECT_EQ(data.Persons[0].Surname, "Probe");
    EXPECT_EQ(data.Persons[PersonAtKekule(data, 0, 14)].Surname, "Berg");
    // Kept: the merged parents, their descendants down to the root and those descendants'
    // partners (1, 2, 3, 6, 7, 12 to 15); 4 and 5 connect no listed person.
    EXPECT_EQ(data.Persons.size(), 11u);
    EXPECT_LT(PersonAtKekule(data, 0, 4), 0);
    for (const TFamilie& f : data.Families) {
        EXPECT_TRUE(f.Husband >= 0 || f.Wife >= 0);
        EXPECT_FALSE(f.Children.empty());
    }
    EXPECT_EQ(data.LargestSpouseGroup, 2);
}

TEST(SiblingListReader, MergesRepeatUntilStableAcrossLevels)
{
    // 12 and 14 share their father; that father (24 = 28) and 28 are full siblings in the list,
    // so 48 = 56 and 49 = 57; 25 and 29 stay two women.
    TAhnenData data = Read("Halbgeschwister - Vater\n12 14 //\nVollgeschwister\n24 28\n");
    EXPECT_EQ(NumbersOf(data, 28), (TArrayOfInt64{24, 28}));
    EXPECT_EQ(NumbersOf(data, 56), (TArrayOfInt64{48, 56}));
    EXPECT_EQ(NumbersOf(data, 57), (TArrayOfInt64{49, 57}));
    EXPECT_EQ(NumbersOf(data, 25), TArrayOfInt64{25});
    EXPECT_EQ(NumbersOf(data, 29), TArrayOfInt64{29});

    // The same statements in the other order give the same structure.
    TAhnenData swapped = Read("Vollgeschwister\n24 28\nHalbgeschwister - Vater\n12 14\n");
    EXPECT_EQ(NumbersOf(swapped, 56), (TArrayOfInt64{48, 56}));
    EXPECT_EQ(NumbersOf(swapped, 24), (TArrayOfInt64{24, 28}));
}

TEST(SiblingListReader, SinglePersonsAndEmptyListsKeepTheRoot)
{
    TAhnenData single = Read("Einzelpersonen\n1 /Probe/\n6 /Sechs/\n");
    ASSERT_EQ(single.Persons.size(), 5u);  // 1, 2, 3, 6 and 7
    EXPECT_EQ(single.Persons[PersonAtKekule(single, 0, 6)].Surname, "Sechs");

    for (const char* text : {"", "Einzelpersonen\n", "nur Text\n"}) {
        SCOPED_TRACE(text);
        TAhnenData empty = Read(text);
        ASSERT_EQ(empty.Persons.size(), 1u);
        EXPECT_EQ(empty.Persons[0].Id, "I1");
        EXPECT_TRUE(empty.Families.empty());
    }
}

TEST(SiblingListReader, ContradictoryListsLoadWithACycleWarning)
{
    // 2 and 4 full siblings: the father of 2 (4) would be the father of 4 as well. With 17, 4
    // and 1, merging the fathers reroutes the path to 17's mother through a person whose own
    // parents must be merged too, or that path would end before reaching her.
    for (const char* text : {"Vollgeschwister\n2 4\n", "Vollgeschwister\n17 4 1\n"}) {
        SCOPED_TRACE(text);
        TAhnenData data = Read(text);
        ASSERT_EQ(data.Warnings.size(), 1u);
        EXPECT_TRUE(data.Warnings[0].starts_with("Zirkelbezug in der Abstammung: I"));
        EXPECT_TRUE(data.Warnings[0].ends_with(" ist eigener Vorfahre."));
    }
}

// Groups as sets of numbers per list, independent of the order in which they are written.
std::set<std::pair<int, std::set<int64_t>>> GroupSets(const TAhnenData& data, int64_t root)
{
    SiblingGroups groups = BuildSiblingGroups(data, root);
    std::set<std::pair<int, std::set<int64_t>>> sets;
    int list = 0;
    for (const auto* groupList : {&groups.Full, &groups.CommonFather, &groups.CommonMother}) {
        for (const SiblingGroup& group : *groupList) {
            std::set<int64_t> numbers;
            for (const SiblingMember& m : group) numbers.insert(m.Number);
            sets.insert({list, numbers});
        }
        ++list;
    }
    return sets;
}

TAhnenData RoundTrip(const TAhnenData& original, int64_t root)
{
    SiblingGroups groups = BuildSiblingGroups(original, root);
    return ReadSiblingList(SiblingListFileBytes(SiblingListLines(original, groups, root)),
                           "liste.txt");
}

TEST(SiblingListReader, ExampleFamilyListReadsBackToTheSameList)
{
    TAhnenData example = LoadExampleFamily(".");
    int64_t proband = example.FindPerson("I19");
    TAhnenData read = RoundTrip(example, proband);
    SiblingGroups first = BuildSiblingGroups(example, proband);
    SiblingGroups again = BuildSiblingGroups(read, 0);
    EXPECT_EQ(SiblingListLines(read, again, 0), SiblingListLines(example, first, proband));
    EXPECT_EQ(NumbersOf(read, 10), (TArrayOfInt64{10, 14}));
}

TEST(SiblingListReader, RealFilesKeepTheirImplexThroughARoundTrip)
{
    QV_REQUIRE_TESTDATA();
    struct Case {
        const char* file;
        const char* proband;
        bool compareNumbers;  // Queen.ged has far more Kekule numbers than can be listed
    } cases[] = {{"royal92.ged", "I1060", true},
                 {"Ancient_Kingdoms.ged", "I631", true},
                 {"Queen.ged", "I3062", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TAhnenData original(LoadGedcomFile(test::TestDataFile(c.file)), c.file);
        int64_t root = original.FindPerson(c.proband);
        TAhnenData read = RoundTrip(original, root);
        EXPECT_EQ(GroupSets(read, 0), GroupSets(original, root));
        if (!c.compareNumbers) continue;
        // Numbers that one rebuilt person carries belong to one original person, and numbers
        // of one original person that were rebuilt belong to one rebuilt person.
        TArrayOfArrayOfInt64 numbers = read.ComputeKekuleNumbers(0);
        for (const TArrayOfInt64& list : numbers) {
            for (int64_t n : list)
                EXPECT_EQ(PersonAtKekule(original, root, n),
                          PersonAtKekule(original, root, list[0]));
        }
        TArrayOfArrayOfInt64 originalNumbers = original.ComputeKekuleNumbers(root);
        for (const TArrayOfInt64& list : originalNumbers) {
            int64_t rebuilt = -2;
            for (int64_t n : list) {
                int64_t person = PersonAtKekule(read, 0, n);
                if (person < 0) continue;
                if (rebuilt == -2) rebuilt = person;
                EXPECT_EQ(person, rebuilt) << n;
            }
        }
    }
}

}  // namespace
}  // namespace qv
