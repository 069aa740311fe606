// Building, linking and Kekule numbering of the person and family arrays.
#include "data/ahnen_data.h"

#include <algorithm>
#include <numeric>

#include "data/cycle_check.h"
#include "data/error.h"
#include "data/gedcom_records.h"

namespace qv {
namespace {

template <typename Key>
int64_t LookUp(const std::unordered_map<Key, int64_t>& index, std::string_view id)
{
    auto it = index.find(Key(id));
    return it == index.end() ? -1 : it->second;
}

// Keeps the first index per id, so a look-up returns the first match in array order.
template <typename Key, typename Record>
void IndexIds(const std::vector<Record>& records, std::unordered_map<Key, int64_t>& index)
{
    index.clear();
    index.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) index.try_emplace(Key(records[i].Id), i);
}

std::string OrQuestionMark(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos ? "?" : text;
}

// The arrays are public and chart code edits its copies, so a hit is verified and a miss is
// confirmed by a linear search (misses are rare after building).
template <typename Record>
int64_t FindById(const std::vector<Record>& records, std::unordered_map<std::string, int64_t>& index,
                 size_t& indexedSize, const std::string& id)
{
    if (indexedSize != records.size()) {
        IndexIds(records, index);
        indexedSize = records.size();
    }
    int64_t hit = LookUp(index, id);
    if (hit >= 0 && hit < static_cast<int64_t>(records.size()) && records[hit].Id == id)
        return hit;
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].Id == id) {
            IndexIds(records, index);
            return static_cast<int64_t>(i);
        }
    }
    return -1;
}

}  // namespace

TAhnenData::TAhnenData(int64_t personCount, int64_t familyCount)
    : Persons(personCount), Families(familyCount)
{
}

TAhnenData::TAhnenData(const TGedcom& gedcom, std::string fileName)
    : FileName(std::move(fileName)), CharSet(gedcom.GetCharSet()), Warnings(gedcom.Warnings)
{
    ReadGedcomRecords(gedcom, Persons, Families);
    ResolveLinks();
    LinkFamilies();
    UpdateLargestSpouseGroup();
    int64_t cyclic = FindAnyCycle(*this);
    if (cyclic >= 0) Warnings.push_back(CycleMessage(*this, cyclic));
}

void TAhnenData::ResolveLinks()
{
    // Views into the records' own ids: cheaper than the owning index FindPerson keeps, and
    // safe because nothing changes the arrays while links are resolved.
    std::unordered_map<std::string_view, int64_t> persons, families;
    IndexIds(Persons, persons);
    IndexIds(Families, families);
    for (TFamilie& f : Families) {
        f.Husband = LookUp(persons, f.HusbandId);
        f.Wife = LookUp(persons, f.WifeId);
    }
    for (TPerson& p : Persons)
        p.ParentFamily = static_cast<int32_t>(LookUp(families, p.ParentFamilyId));
}

int64_t TAhnenData::FindPerson(const std::string& id) const
{
    return FindById(Persons, m_personIndex, m_indexedPersons, id);
}

int64_t TAhnenData::FindFamily(const std::string& id) const
{
    return FindById(Families, m_familyIndex, m_indexedFamilies, id);
}

int64_t TAhnenData::ParentOf(int64_t person, bool mother) const
{
    if (person < 0) return -1;
    if (person >= static_cast<int64_t>(Persons.size())) throw Error("Fehler bei Bereichsprüfung");
    int32_t f = Persons[person].ParentFamily;
    if (f < 0) return -1;
    return mother ? Families[f].Wife : Families[f].Husband;
}

int64_t TAhnenData::GetFather(int64_t person) const { return ParentOf(person, false); }

int64_t TAhnenData::GetMother(int64_t person) const { return ParentOf(person, true); }

void TAhnenData::LinkFamilies()
{
    // Each person has one parent family and each family is visited once, so the
    // "unless already there" checks only matter when husband and wife are the same person.
    for (size_t p = 0; p < Persons.size(); ++p) {
        int32_t f = Persons[p].ParentFamily;
        if (f >= 0) Families[f].Children.push_back(static_cast<int64_t>(p));
    }
    for (size_t f = 0; f < Families.size(); ++f) {
        const TFamilie& fam = Families[f];
        for (int64_t parent : {fam.Husband, fam.Wife}) {
            if (parent < 0) continue;
            TPerson& person = Persons[parent];
            if (!person.SpouseFamilies.empty() &&
                person.SpouseFamilies.back() == static_cast<int32_t>(f))
                continue;
            person.SpouseFamilies.push_back(static_cast<int32_t>(f));
            person.Children.insert(person.Children.end(), fam.Children.begin(),
                                   fam.Children.end());
        }
    }
}

void TAhnenData::RebuildSpouseFamilies()
{
    for (TPerson& p : Persons) p.SpouseFamilies.clear();
    for (size_t f = 0; f < Families.size(); ++f) {
        if (Families[f].Husband >= 0)
            Persons[Families[f].Husband].SpouseFamilies.push_back(static_cast<int32_t>(f));
        if (Families[f].Wife >= 0)
            Persons[Families[f].Wife].SpouseFamilies.push_back(static_cast<int32_t>(f));
    }
}

void TAhnenData::RebuildChildren()
{
    for (TPerson& p : Persons) p.Children.clear();
    for (TFamilie& f : Families) f.Children.clear();
    for (size_t p = 0; p < Persons.size(); ++p) {
        int32_t f = Persons[p].ParentFamily;
        if (f < 0) continue;
        TFamilie& fam = Families[f];
        if (fam.Husband >= 0) Persons[fam.Husband].Children.push_back(static_cast<int64_t>(p));
        if (fam.Wife >= 0) Persons[fam.Wife].Children.push_back(static_cast<int64_t>(p));
        fam.Children.push_back(static_cast<int64_t>(p));
    }
}

void TAhnenData::DeleteFamily(int32_t family)
{
    int32_t last = static_cast<int32_t>(Families.size()) - 1;
    for (TPerson& p : Persons) {
        if (p.ParentFamily == family)
            p.ParentFamily = -1;
        else if (p.ParentFamily == last)
            p.ParentFamily = family;
    }
    Families[family] = std::move(Families[last]);
    Families.pop_back();
}

void TAhnenData::UpdateLargestSpouseGroup()
{
    // The largest group of persons connected by marriages: union-find over the couples
    // gives the same sizes as one breadth-first search per person, in linear time.
    std::vector<int64_t> parent(Persons.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&parent](int64_t x) {
        while (parent[x] != x) x = parent[x] = parent[parent[x]];
        return x;
    };
    for (const TPerson& p : Persons) {
        for (int32_t f : p.SpouseFamilies) {
            int64_t h = Families[f].Husband, w = Families[f].Wife;
            if (h >= 0 && w >= 0) parent[find(h)] = find(w);
        }
    }
    std::vector<int32_t> size(Persons.size(), 0);
    int32_t largest = 0;
    for (size_t p = 0; p < Persons.size(); ++p) largest = std::max(largest, ++size[find(p)]);
    LargestSpouseGroup = largest;
}

uint64_t TAhnenData::CountKekuleNumbers(int64_t root) const
{
    // Multiplicity of each person per generation, saturating; stops once over the limit.
    std::unordered_map<int64_t, uint64_t> generation{{root, 1}}, next;
    uint64_t total = 1;
    for (int g = 1; g <= kMaxKekuleGeneration && !generation.empty(); ++g) {
        next.clear();
        for (auto [person, count] : generation) {
            for (int64_t parent : {GetFather(person), GetMother(person)}) {
                if (parent < 0) continue;
                uint64_t& c = next[parent];
                c = std::min(c + count, kMaxKekuleNumbers + 1);
                total = std::min(total + count, kMaxKekuleNumbers + 1);
            }
        }
        if (total > kMaxKekuleNumbers) break;
        std::swap(generation, next);
    }
    return total;
}

TArrayOfArrayOfInt64 TAhnenData::ComputeKekuleNumbers(int64_t root, bool* depthCut) const
{
    TArrayOfArrayOfInt64 numbers(Persons.size());
    if (depthCut) *depthCut = false;
    if (root < 0 || root >= static_cast<int64_t>(Persons.size())) return numbers;
    CheckAncestryAcyclic(*this, root);
    // A couple that is both parents of itself through many generations (or one person as
    // husband and wife) doubles the list per generation; refuse before memory runs out.
    if (CountKekuleNumbers(root) > kMaxKekuleNumbers)
        throw Error("Zu viele Ahnenpositionen: Die Vorfahren von " + DescribePerson(root) +
                    " haben mehr als " + std::to_string(kMaxKekuleNumbers) + " Kekule-Nummern.");

    struct Entry {
        int64_t person;
        int64_t number;
        int generation;
    };
    std::vector<Entry> stack{{root, 1, 0}};
    while (!stack.empty()) {
        Entry e = stack.back();
        stack.pop_back();
        numbers[e.person].push_back(e.number);
        int64_t father = GetFather(e.person), mother = GetMother(e.person);
        if (father < 0 && mother < 0) continue;
        if (e.generation == kMaxKekuleGeneration) {
            if (depthCut) *depthCut = true;
            continue;
        }
        if (mother >= 0) stack.push_back({mother, 2 * e.number + 1, e.generation + 1});
        if (father >= 0) stack.push_back({father, 2 * e.number, e.generation + 1});
    }
    for (TArrayOfInt64& list : numbers) std::sort(list.begin(), list.end());
    return numbers;
}

std::string TAhnenData::DescribePerson(int64_t person) const
{
    const TPerson& p = Persons[person];
    return p.Id + " (" + OrQuestionMark(p.Surname) + ", " + OrQuestionMark(p.GivenNames) + ")";
}

}  // namespace qv
