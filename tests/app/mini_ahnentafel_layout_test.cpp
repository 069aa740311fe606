// The mini ancestor table's geometry and hint texts.
#include "app/mini_ahnentafel_layout.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace qv {
namespace {

class MiniData {
public:
    int64_t Add(const char* id, char sex = 'M', int32_t parents = -1)
    {
        TPerson p;
        p.Id = id;
        p.Sex = sex;
        p.ParentFamily = parents;
        m_data.Persons.push_back(p);
        return static_cast<int64_t>(m_data.Persons.size()) - 1;
    }
    int32_t Couple(int64_t husband, int64_t wife, TOrtDatum marriage = {})
    {
        TFamilie f;
        f.Husband = husband;
        f.Wife = wife;
        f.Marriage = marriage;
        m_data.Families.push_back(f);
        return static_cast<int32_t>(m_data.Families.size()) - 1;
    }
    TAhnenData Build()
    {
        TAhnenData data = m_data;
        data.LinkFamilies();
        return data;
    }
    TAhnenData& Raw() { return m_data; }

private:
    TAhnenData m_data;
};

const MiniSymbol& Of(const MiniLayout& layout, int64_t person)
{
    auto it = std::find_if(layout.symbols.begin(), layout.symbols.end(),
                           [person](const MiniSymbol& s) { return s.person == person; });
    EXPECT_NE(it, layout.symbols.end()) << person;
    return *it;
}

TEST(MiniAhnentafelLayout, AncestorsSpreadByHalfTheDistanceEachGeneration)
{
    // Five generations of a full pedigree above the centre; only four are drawn.
    MiniData builder;
    std::vector<int64_t> generation = {builder.Add("C")};
    std::vector<int32_t> families;
    for (int g = 1; g <= 5; ++g) {
        std::vector<int64_t> parents;
        for (int64_t child : generation) {
            int64_t father = builder.Add("F", 'M');
            int64_t mother = builder.Add("M", 'F');
            builder.Raw().Persons[child].ParentFamily = builder.Couple(father, mother);
            parents.insert(parents.end(), {father, mother});
        }
        generation = parents;
    }
    TAhnenData data = builder.Build();
    MiniLayout layout = LayoutMiniAhnentafel(data, 0, 300, 200);
    ASSERT_EQ(layout.symbols.size(), 1u + 2 + 4 + 8 + 16);
    const MiniSymbol& centre = layout.symbols[0];
    EXPECT_EQ(centre.x, 150);
    int64_t father = data.GetFather(0), mother = data.GetMother(0);
    EXPECT_EQ(Of(layout, father).x, centre.x - 64);
    EXPECT_EQ(Of(layout, mother).x, centre.x + 64);
    EXPECT_EQ(Of(layout, father).y, centre.y - 16);
    EXPECT_EQ(Of(layout, data.GetFather(mother)).x, centre.x + 64 - 32);
    EXPECT_EQ(Of(layout, data.GetMother(mother)).x, centre.x + 64 + 32);
    EXPECT_EQ(Of(layout, data.GetMother(data.GetMother(mother))).x, centre.x + 64 + 32 + 16);
    // Only the outermost generation carries the end marker here.
    for (const MiniSymbol& s : layout.symbols)
        EXPECT_EQ(s.endMarker, s.y == centre.y - 4 * 16) << s.person;
    // The drawing is centred vertically: four generations up, the children row down.
    EXPECT_EQ(centre.y, (200 + 64 - 20) / 2);
}

TEST(MiniAhnentafelLayout, SingleParentStandsInLineAndEndsTheBranch)
{
    MiniData builder;
    int64_t centre = builder.Add("C");
    int64_t mother = builder.Add("M", 'F');
    builder.Raw().Persons[centre].ParentFamily = builder.Couple(-1, mother);
    TAhnenData data = builder.Build();
    MiniLayout layout = LayoutMiniAhnentafel(data, centre, 300, 200);
    ASSERT_EQ(layout.symbols.size(), 2u);
    EXPECT_EQ(Of(layout, mother).x, layout.symbols[0].x);
    EXPECT_FALSE(layout.symbols[0].endMarker);
    EXPECT_TRUE(Of(layout, mother).endMarker);
    EXPECT_TRUE(LayoutMiniAhnentafel(data, 7, 300, 200).symbols.empty());
    EXPECT_TRUE(LayoutMiniAhnentafel(data, -1, 300, 200).symbols.empty());
}

TEST(MiniAhnentafelLayout, ChildGroupsGoToTheSideWithFewerChildren)
{
    struct Case {
        std::vector<int> childrenPerFamily;
        std::vector<int> sides;  // -1 left, +1 right, per family
    } cases[] = {
        {{2, 3}, {-1, 1}},       {{3, 2}, {-1, 1}}, {{1, 1, 1}, {-1, 1, -1}},
        {{4, 1, 2}, {-1, 1, 1}}, {{0, 2}, {-1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.childrenPerFamily));
        MiniData builder;
        int64_t centre = builder.Add("C");
        std::vector<int64_t> partners;
        for (int count : c.childrenPerFamily) {
            int64_t partner = builder.Add("P", 'F');
            partners.push_back(partner);
            int32_t family = builder.Couple(centre, partner);
            for (int i = 0; i < count; ++i) builder.Add("K", 'U', family);
        }
        TAhnenData data = builder.Build();
        MiniLayout layout = LayoutMiniAhnentafel(data, centre, 400, 200);
        const MiniSymbol& middle = layout.symbols[0];
        for (size_t f = 0; f < partners.size(); ++f) {
            const MiniSymbol& partner = Of(layout, partners[f]);
            EXPECT_EQ(partner.y, middle.y);
            EXPECT_EQ((partner.x > middle.x) ? 1 : -1, c.sides[f]) << "family " << f;
            for (int64_t child : data.Families[f].Children) {
                const MiniSymbol& s = Of(layout, child);
                EXPECT_EQ(s.y, middle.y + 20);
                EXPECT_EQ((s.x > middle.x) ? 1 : -1, c.sides[f]);
                EXPECT_GE(std::abs(s.x - middle.x), 20);
            }
        }
        // Children never overlap: 8 pixels between two symbols at least.
        for (const MiniSymbol& a : layout.symbols) {
            for (const MiniSymbol& b : layout.symbols) {
                if (&a != &b && a.role == MiniRole::Child && b.role == MiniRole::Child) {
                    EXPECT_GE(std::abs(a.x - b.x), 2 * kMiniSymbolRadius + 8);
                }
            }
        }
    }
}

TEST(MiniAhnentafelLayout, ChildrenWithoutPartnerFormOneGroupNextToTheCentre)
{
    MiniData builder;
    int64_t centre = builder.Add("C", 'F');
    int64_t partner = builder.Add("P");
    int32_t withPartner = builder.Couple(partner, centre);
    int32_t aloneA = builder.Couple(-1, centre);
    int32_t aloneB = builder.Couple(-1, centre);
    int64_t a = builder.Add("A", 'U', aloneA);
    int64_t b = builder.Add("B", 'U', aloneB);
    int64_t k = builder.Add("K", 'U', withPartner);
    TAhnenData data = builder.Build();
    MiniLayout layout = LayoutMiniAhnentafel(data, centre, 400, 200);
    int x = layout.symbols[0].x;
    EXPECT_EQ(Of(layout, a).x, x - 20);
    EXPECT_EQ(Of(layout, b).x, x - 20 - 18);
    EXPECT_GT(Of(layout, partner).x, x);
    EXPECT_EQ(Of(layout, k).x, x + 20);
    EXPECT_EQ(Of(layout, partner).family, withPartner);
}

TEST(MiniAhnentafelLayout, HintListsKnownEventsAndThePartnersMarriage)
{
    MiniData builder;
    int64_t centre = builder.Add("I1");
    int64_t partner = builder.Add("I2", 'F');
    builder.Couple(centre, partner, {"1920", "Bautzen"});
    TAhnenData data = builder.Build();
    TPerson& p = data.Persons[partner];
    p.Surname = "Weiß";
    p.Birth = {"1 JAN 1900", ""};
    p.Christening = {"", "Görlitz"};
    p.Death = {"1970", "Zittau"};
    MiniLayout layout = LayoutMiniAhnentafel(data, centre, 300, 200);
    EXPECT_EQ(MiniAhnentafelHint(data, Of(layout, partner)),
              "#I2 Weiß, ?\ngeb. 1 JAN 1900\nget. in Görlitz\nverh. 1920 in Bautzen\n"
              "gest. 1970 in Zittau");
    data.Persons[centre].Burial = {"", "Ort"};
    // The centre has no marriage line of its own.
    EXPECT_EQ(MiniAhnentafelHint(data, layout.symbols[0]), "#I1 ?, ?\nbegr. in Ort");
}

TEST(MiniAhnentafelLayout, SymbolUnderTheMouseIsTheLastDrawnWithinTheHoverRadius)
{
    MiniLayout layout;
    layout.symbols = {{10, 50, 50, MiniRole::Centre}, {11, 58, 50, MiniRole::Child}};
    EXPECT_EQ(MiniSymbolAt(layout, 44, 56), 0);
    EXPECT_EQ(MiniSymbolAt(layout, 54, 50), 1);
    EXPECT_EQ(MiniSymbolAt(layout, 43, 50), -1);
    EXPECT_EQ(MiniSymbolAt(layout, 65, 57), -1);
}

}  // namespace
}  // namespace qv
