// Rebuilding the implex structure from sibling statements: ensure paths, merge, prune, join.
#include "data/sibling_list_reader.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "data/cycle_check.h"
#include "data/file_bytes.h"
#include "data/kekule.h"
#include "data/sibling_groups.h"

namespace qv {
namespace {

// The root is created first and merges keep the lower index, so it stays at index 0.
constexpr int64_t kRoot = 0;

// The order of the survivors after removing, from the highest index down, each unwanted
// element by moving the last element into its place (as DeleteFamily does).
std::vector<int64_t> SwapRemovalOrder(const std::vector<bool>& keep)
{
    std::vector<int64_t> slots(keep.size());
    std::iota(slots.begin(), slots.end(), 0);
    size_t size = keep.size();
    for (size_t x = keep.size(); x-- > 0;) {
        if (keep[x]) continue;
        slots[x] = slots[size - 1];
        --size;
    }
    slots.resize(size);
    return slots;
}

// New index of every old one; -1 for removed elements.
std::vector<int64_t> NewIndexes(const std::vector<int64_t>& order, size_t oldSize)
{
    std::vector<int64_t> index(oldSize, -1);
    for (size_t i = 0; i < order.size(); ++i) index[order[i]] = static_cast<int64_t>(i);
    return index;
}

void RemovePersons(TAhnenData& data, const std::vector<bool>& keep)
{
    std::vector<int64_t> order = SwapRemovalOrder(keep);
    std::vector<int64_t> index = NewIndexes(order, data.Persons.size());
    std::vector<TPerson> persons;
    persons.reserve(order.size());
    for (int64_t old : order) persons.push_back(std::move(data.Persons[old]));
    data.Persons = std::move(persons);
    for (TFamilie& f : data.Families) {
        if (f.Husband >= 0) f.Husband = index[f.Husband];
        if (f.Wife >= 0) f.Wife = index[f.Wife];
    }
}

// The same as calling DeleteFamily from the highest index down, in linear time.
void RemoveFamilies(TAhnenData& data, const std::vector<bool>& keep)
{
    std::vector<int64_t> order = SwapRemovalOrder(keep);
    std::vector<int64_t> index = NewIndexes(order, data.Families.size());
    std::vector<TFamilie> families;
    families.reserve(order.size());
    for (int64_t old : order) families.push_back(std::move(data.Families[old]));
    data.Families = std::move(families);
    for (TPerson& p : data.Persons)
        if (p.ParentFamily >= 0) p.ParentFamily = static_cast<int32_t>(index[p.ParentFamily]);
}

class SiblingListBuilder {
public:
    explicit SiblingListBuilder(TAhnenData& data) : m_data(data) { CreatePerson(1); }

    void Build(const SiblingListContents& contents)
    {
        while (MergeRound(contents)) {
        }
        for (int64_t k : contents.Singles.Numbers)
            if (At(k) < 0) EnsurePath(k);
        SetSurnames(contents.Singles);
        Prune(contents);
        JoinFamilies();
    }

private:
    int64_t At(int64_t number) const { return PersonAtKekule(m_data, kRoot, number); }

    int64_t CreatePerson(int64_t number)
    {
        TPerson person;
        person.Id = "I" + std::to_string(number);
        person.Sex = number == 1 ? 'U' : number % 2 == 0 ? 'M' : 'F';
        m_data.Persons.push_back(std::move(person));
        m_spouseOf.emplace_back();
        return static_cast<int64_t>(m_data.Persons.size()) - 1;
    }

    void SetParent(int32_t family, bool mother, int64_t person)
    {
        (mother ? m_data.Families[family].Wife : m_data.Families[family].Husband) = person;
        m_spouseOf[person].push_back(family);
    }

    // Walks from the root along the number's path, creating missing parent couples.
    void EnsurePath(int64_t number)
    {
        int64_t person = kRoot, current = 1;
        for (uint8_t step : KekulePath(number)) {
            int32_t f = m_data.Persons[person].ParentFamily;
            if (f < 0) {
                f = static_cast<int32_t>(m_data.Families.size());
                m_data.Families.emplace_back();
                m_data.Persons[person].ParentFamily = f;
            }
            if (m_data.Families[f].Husband < 0) SetParent(f, false, CreatePerson(2 * current));
            if (m_data.Families[f].Wife < 0) SetParent(f, true, CreatePerson(2 * current + 1));
            person = step ? m_data.Families[f].Wife : m_data.Families[f].Husband;
            current = 2 * current + step;
        }
    }

    static void Replace(TFamilie& family, int64_t from, int64_t to)
    {
        if (family.Husband == from) family.Husband = to;
        if (family.Wife == from) family.Wife = to;
    }

    // Makes two persons one, keeping the lower index. One person has one pair of parents, so
    // when both have parents, those are merged in turn; dropping one pair instead would cut
    // the ancestry that paths through the merged person had already reached.
    bool Merge(int64_t a, int64_t b)
    {
        std::vector<std::pair<int64_t, int64_t>> pending{{a, b}};
        bool merged = false;
        while (!pending.empty()) {
            auto [x, y] = pending.back();
            pending.pop_back();
            if (x == y || x < 0 || y < 0) continue;
            int64_t kept = std::min(x, y), gone = std::max(x, y);
            int32_t keptFamily = m_data.Persons[kept].ParentFamily;
            int32_t goneFamily = m_data.Persons[gone].ParentFamily;
            if (keptFamily < 0) {
                m_data.Persons[kept].ParentFamily = goneFamily;
            } else if (goneFamily >= 0 && goneFamily != keptFamily) {
                const TFamilie& k = m_data.Families[keptFamily];
                const TFamilie& g = m_data.Families[goneFamily];
                pending.insert(pending.end(), {{g.Husband, k.Husband}, {g.Wife, k.Wife}});
            }
            int64_t last = MergeInto(gone, kept);
            for (auto& pair : pending)
                for (int64_t* p : {&pair.first, &pair.second})
                    *p = *p == gone ? kept : *p == last ? gone : *p;
            merged = true;
        }
        return merged;
    }

    // Hands gone's places as husband or wife to kept and moves the last person into gone's
    // slot; returns the last person's former index.
    int64_t MergeInto(int64_t gone, int64_t kept)
    {
        for (int32_t f : m_spouseOf[gone]) {
            Replace(m_data.Families[f], gone, kept);
            m_spouseOf[kept].push_back(f);
        }
        int64_t last = static_cast<int64_t>(m_data.Persons.size()) - 1;
        if (gone != last) {
            m_data.Persons[gone] = std::move(m_data.Persons[last]);
            m_spouseOf[gone] = std::move(m_spouseOf[last]);
            for (int32_t f : m_spouseOf[gone]) Replace(m_data.Families[f], last, gone);
        }
        m_data.Persons.pop_back();
        m_spouseOf.pop_back();
        return last;
    }

    // Makes the fathers and/or mothers of all members one person each.
    bool MergeParents(const TGeschwister& group, bool fathers, bool mothers)
    {
        for (int64_t k : group.Numbers) {
            EnsurePath(2 * k);
            EnsurePath(2 * k + 1);
        }
        bool merged = false;
        for (size_t i = 1; i < group.Numbers.size(); ++i) {
            int64_t first = group.Numbers[0], other = group.Numbers[i];
            if (fathers) merged = Merge(At(2 * other), At(2 * first)) || merged;
            if (mothers) merged = Merge(At(2 * other + 1), At(2 * first + 1)) || merged;
        }
        SetSurnames(group);
        return merged;
    }

    bool MergeRound(const SiblingListContents& contents)
    {
        bool merged = false;
        for (const TGeschwister& g : contents.Full) merged = MergeParents(g, true, true) || merged;
        for (const TGeschwister& g : contents.CommonFather)
            merged = MergeParents(g, true, false) || merged;
        for (const TGeschwister& g : contents.CommonMother)
            merged = MergeParents(g, false, true) || merged;
        return merged;
    }

    // Names given as empty text leave a name from another line in place.
    void SetSurnames(const TGeschwister& group)
    {
        size_t named = std::min(group.Names.size(), group.Numbers.size());
        for (size_t i = 0; i < named; ++i)
            if (!group.Names[i].empty())
                m_data.Persons[At(group.Numbers[i])].Surname = group.Names[i];
    }

    void Prune(const SiblingListContents& contents);
    void JoinFamilies();

    TAhnenData& m_data;
    // The families in which each person is husband or wife, so merging is cheap.
    std::vector<std::vector<int32_t>> m_spouseOf;
};

// Keeps the listed persons, the parents of every group member, the descendants of those down
// to the root, and the partners of kept persons; the root always stays.
void SiblingListBuilder::Prune(const SiblingListContents& contents)
{
    const size_t count = m_data.Persons.size();
    TArrayOfInt64 minimum = MinimumKekuleNumbers(m_data, kRoot);
    std::vector<std::vector<int64_t>> dependants(count);  // who is needed when p is
    for (size_t c = 0; c < count; ++c) {
        int32_t f = m_data.Persons[c].ParentFamily;
        for (int64_t parent :
             {f >= 0 ? m_data.Families[f].Husband : -1, f >= 0 ? m_data.Families[f].Wife : -1})
            if (parent >= 0) dependants[parent].push_back(static_cast<int64_t>(c));
        int64_t k = minimum[c];
        if (k > 1) dependants[At(k % 2 == 0 ? k + 1 : k - 1)].push_back(static_cast<int64_t>(c));
    }
    std::vector<bool> needed(count, false);
    std::vector<int64_t> work;
    auto mark = [&](int64_t p) {
        if (p < 0 || needed[p]) return;
        needed[p] = true;
        work.push_back(p);
    };
    mark(kRoot);
    for (int64_t k : contents.Singles.Numbers) mark(At(k));
    for (const auto* list : {&contents.Full, &contents.CommonFather, &contents.CommonMother})
        for (const TGeschwister& group : *list)
            for (int64_t k : group.Numbers) {
                mark(At(2 * k));
                mark(At(2 * k + 1));
            }
    while (!work.empty()) {
        int64_t p = work.back();
        work.pop_back();
        for (int64_t d : dependants[p]) mark(d);
    }
    std::vector<bool> keep(count);
    for (size_t p = 0; p < count; ++p) keep[p] = needed[p] && minimum[p] > 0;
    RemovePersons(m_data, keep);
}

// Couples that occur twice become one family; then families without parents or children go.
void SiblingListBuilder::JoinFamilies()
{
    std::map<std::pair<int64_t, int64_t>, int32_t> lastOfCouple;
    for (size_t f = 0; f < m_data.Families.size(); ++f)
        lastOfCouple[{m_data.Families[f].Husband, m_data.Families[f].Wife}] =
            static_cast<int32_t>(f);
    for (TPerson& p : m_data.Persons) {
        if (p.ParentFamily < 0) continue;
        const TFamilie& f = m_data.Families[p.ParentFamily];
        p.ParentFamily = lastOfCouple[{f.Husband, f.Wife}];
    }
    std::vector<bool> keep(m_data.Families.size());
    for (size_t f = 0; f < keep.size(); ++f)
        keep[f] = m_data.Families[f].Husband >= 0 || m_data.Families[f].Wife >= 0;
    RemoveFamilies(m_data, keep);
    keep.assign(m_data.Families.size(), false);
    for (const TPerson& p : m_data.Persons)
        if (p.ParentFamily >= 0) keep[p.ParentFamily] = true;
    RemoveFamilies(m_data, keep);
    for (size_t f = 0; f < m_data.Families.size(); ++f)
        m_data.Families[f].Id = "F" + std::to_string(f + 1);
}

}  // namespace

TAhnenData BuildFromSiblingList(const SiblingListContents& contents, std::string fileName)
{
    TAhnenData data;
    data.FileName = std::move(fileName);
    SiblingListBuilder(data).Build(contents);
    data.LinkFamilies();
    data.UpdateLargestSpouseGroup();
    int64_t cyclic = FindAnyCycle(data);
    if (cyclic >= 0) data.Warnings.push_back(CycleMessage(data, cyclic));
    return data;
}

TAhnenData ReadSiblingList(std::string_view bytes, std::string fileName)
{
    SiblingListContents contents = ParseSiblingList(bytes, fileName);
    return BuildFromSiblingList(contents, std::move(fileName));
}

TAhnenData ReadSiblingListFile(const std::string& path)
{
    return ReadSiblingList(ReadFileBytes(path), path);
}

}  // namespace qv
