// Person and family field rules: names, sex, events, primary marks, links.
#include "data/gedcom_records.h"

#include <string_view>

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

void ReadPerson(const TGedcom& tree, int32_t record, std::string_view id, TPerson& person)
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
            if (famc.Take(IsPrimary(tree, child))) person.ParentFamilyId = XrefId(value);
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
    struct Record {
        int32_t node;
        bool person;
        std::string_view id;
    };
    std::vector<Record> records;
    size_t personCount = 0;
    for (int32_t top : tree.Children(TGedcom::kRoot)) {
        if (std::string_view id = RecordId(tree.Node(top), "INDI"); !id.empty()) {
            records.push_back({top, true, id});
            ++personCount;
        } else if (std::string_view fid = RecordId(tree.Node(top), "FAM"); !fid.empty()) {
            records.push_back({top, false, fid});
        }
    }
    persons.reserve(persons.size() + personCount);
    families.reserve(families.size() + records.size() - personCount);
    for (const Record& r : records) {
        if (r.person)
            ReadPerson(tree, r.node, r.id, persons.emplace_back());
        else
            ReadFamily(tree, r.node, r.id, families.emplace_back());
    }
}

}  // namespace qv
