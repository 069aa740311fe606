// Person and family field rules: names, sex, events, primary marks, links.
#include "data/gedcom_records.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "data/gedcom_line.h"

namespace qv {
namespace {

// Repeated lines replace each other until one marked primary was taken.
struct PrimaryLock {
    bool locked = false;

    bool Take(bool primary)
    {
        if (locked) return false;
        locked = primary;
        return true;
    }
};

std::string_view TrimControl(std::string_view s)
{
    while (!s.empty() && static_cast<uint8_t>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<uint8_t>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

// The xref id of a level-0 record of the given kind ("INDI", "FAM"), or empty. Any id shape
// is accepted: "@P12@", "@1@" and "@Bart_Simpson@" are all common in real files.
std::string_view RecordId(const TGedcomNode& node, std::string_view kind)
{
    if (node.Level != 0) return {};
    auto [tag, value] = SplitLine(node.Line());
    if (tag.size() < 3 || tag.front() != '@' || tag.back() != '@') return {};
    if (value.substr(0, value.find(' ')) != kind) return {};
    return XrefId(tag);
}

bool IsPrimary(const TGedcom& tree, int32_t node)
{
    for (int32_t child : tree.Children(node)) {
        auto [tag, value] = SplitLine(tree.Node(child).Line());
        if ((tag == "_PRIM" || tag == "_PRIMARY") && value == "Y") return true;
    }
    return false;
}

TOrtDatum ReadEvent(const TGedcom& tree, int32_t event)
{
    TOrtDatum result;
    PrimaryLock date, place;
    for (int32_t child : tree.Children(event)) {
        auto [tag, value] = SplitLine(tree.Node(child).Line());
        if (tag == "DATE" && date.Take(IsPrimary(tree, child))) result.Date = value;
        if (tag == "PLAC" && place.Take(IsPrimary(tree, child))) result.Place = value;
    }
    return result;
}

std::string JoinTrimmed(std::string_view a, std::string_view b)
{
    std::string joined(a);
    joined += ' ';
    joined += b;
    return std::string(TrimControl(joined));
}

void ReadName(const TGedcom& tree, int32_t name, TPerson& person)
{
    std::vector<std::string_view> parts;
    std::string_view value = LineValue(tree.Node(name).Line());
    for (size_t start = 0;;) {
        size_t slash = value.find('/', start);
        parts.push_back(TrimControl(value.substr(start, slash == value.npos ? slash : slash - start)));
        if (slash == value.npos) break;
        start = slash + 1;
    }
    if (parts.size() >= 3) {
        person.Surname = parts[1];
        person.GivenNames = JoinTrimmed(parts[0], parts[2]);
    } else if (parts.size() == 2) {
        person.GivenNames = JoinTrimmed(parts[0], parts[1]);
    } else {
        person.GivenNames = parts[0];
    }
    for (int32_t child : tree.Children(name)) {
        auto [tag, value] = SplitLine(tree.Node(child).Line());
        if (tag == "SURN") person.Surname = value;
        if (tag == "GIVN") person.GivenNames = value;
    }
}

// The event field of a person for an event tag, or nullptr.
TOrtDatum* EventField(TPerson& person, std::string_view tag, int& kind)
{
    static constexpr std::string_view kTags[] = {"BIRT", "CHR", "DEAT", "BURI"};
    TOrtDatum* fields[] = {&person.Birth, &person.Christening, &person.Death, &person.Burial};
    for (kind = 0; kind < 4; ++kind)
        if (tag == kTags[kind]) return fields[kind];
    return nullptr;
}

struct Record {
    int32_t node;
    std::string_view id;
};

// Whether a family id's first record names a husband or a wife that exists. Built on the first
// question, which only persons with several FAMC lines ask, so most files never pay for it.
class FamiliesWithAParent {
public:
    FamiliesWithAParent(const std::vector<Record>& persons, const std::vector<TFamilie>& families)
        : m_persons(persons), m_families(families)
    {
    }

    bool Has(std::string_view id)
    {
        if (!m_built) Build();
        auto it = m_hasParent.find(id);
        return it != m_hasParent.end() && it->second;
    }

private:
    void Build()
    {
        m_built = true;
        std::unordered_set<std::string_view> personIds;
        for (const Record& r : m_persons) personIds.insert(r.id);
        for (const TFamilie& f : m_families)
            m_hasParent.try_emplace(f.Id,
                                    personIds.count(f.HusbandId) + personIds.count(f.WifeId) > 0);
    }

    const std::vector<Record>& m_persons;
    const std::vector<TFamilie>& m_families;
    std::unordered_map<std::string_view, bool> m_hasParent;
    bool m_built = false;
};

// The last FAMC wins, except that a family without parents (or without a record) never
// replaces one with a parent: some exporters add such an empty family after the real one, and
// taking it would cut the person's whole ancestry off. A primary mark still decides.
void TakeParentFamily(const TGedcom& tree, int32_t famcLine, std::string_view id,
                      FamiliesWithAParent& families, PrimaryLock& lock, TPerson& person)
{
    bool primary = IsPrimary(tree, famcLine);
    bool replaces = primary || person.ParentFamilyId.empty() || families.Has(id) ||
                    !families.Has(person.ParentFamilyId);
    if (replaces && lock.Take(primary)) person.ParentFamilyId = id;
}

void ReadPerson(const TGedcom& tree, int32_t record, std::string_view id,
                FamiliesWithAParent& families, TPerson& person)
{
    person.Id = id;
    bool nameSeen = false;
    PrimaryLock events[4], famc;
    for (int32_t child : tree.Children(record)) {
        auto [tag, value] = SplitLine(tree.Node(child).Line());
        int kind = 0;
        if (tag == "NAME" && !nameSeen) {
            nameSeen = true;
            ReadName(tree, child, person);
        } else if (tag == "SEX") {
            if (!value.empty()) person.Sex = value.front();
        } else if (tag == "FAMC") {
            TakeParentFamily(tree, child, XrefId(value), families, famc, person);
        } else if (TOrtDatum* field = EventField(person, tag, kind)) {
            if (events[kind].Take(IsPrimary(tree, child))) *field = ReadEvent(tree, child);
        }
    }
}

void ReadFamily(const TGedcom& tree, int32_t record, std::string_view id, TFamilie& family)
{
    family.Id = id;
    PrimaryLock marriage;
    for (int32_t child : tree.Children(record)) {
        auto [tag, value] = SplitLine(tree.Node(child).Line());
        if (tag == "HUSB") family.HusbandId = XrefId(value);
        if (tag == "WIFE") family.WifeId = XrefId(value);
        if (tag == "MARR" && marriage.Take(IsPrimary(tree, child)))
            family.Marriage = ReadEvent(tree, child);
    }
}

}  // namespace

void ReadGedcomRecords(const TGedcom& tree, std::vector<TPerson>& persons,
                       std::vector<TFamilie>& families)
{
    std::vector<Record> personRecords, familyRecords;
    for (int32_t top : tree.Children(TGedcom::kRoot)) {
        if (std::string_view id = RecordId(tree.Node(top), "INDI"); !id.empty())
            personRecords.push_back({top, id});
        else if (std::string_view fid = RecordId(tree.Node(top), "FAM"); !fid.empty())
            familyRecords.push_back({top, fid});
    }
    // Families first, so that the FAMC rule can tell which of them have parents.
    families.reserve(families.size() + familyRecords.size());
    for (const Record& r : familyRecords) ReadFamily(tree, r.node, r.id, families.emplace_back());
    FamiliesWithAParent withParent(personRecords, families);
    persons.reserve(persons.size() + personRecords.size());
    for (const Record& r : personRecords)
        ReadPerson(tree, r.node, r.id, withParent, persons.emplace_back());
}

}  // namespace qv
