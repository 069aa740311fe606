// TAhnenData: the persons and families of one opened file, with their derived links.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "data/array_types.h"
#include "data/familie.h"
#include "data/person.h"

namespace qv {

class TGedcom;

// Kekule numbers are signed 64-bit, so ancestry is followed up to this generation.
constexpr int kMaxKekuleGeneration = 62;
// Most Kekule numbers one root may have in all (about 240 MB of numbers).
constexpr uint64_t kMaxKekuleNumbers = 30'000'000;
// Shown once when a root's ancestry reaches beyond that generation.
constexpr const char* kDepthCutWarning =
    "Ahnenlinien jenseits der 62. Generation werden nicht berücksichtigt.";

class TAhnenData {
public:
    // An object with default records, for derived working data.
    TAhnenData(int64_t personCount = 0, int64_t familyCount = 0);
    // Builds persons and families from a parsed GEDCOM tree and derives all links.
    TAhnenData(const TGedcom& gedcom, std::string fileName);

    // Full path (UTF-8) of the file the object was built from.
    std::string FileName;
    int32_t LargestSpouseGroup = 0;
    std::vector<TPerson> Persons;
    std::vector<TFamilie> Families;
    // The character set the file declares (GEDCOM "CHAR"); for information only.
    std::string CharSet;
    // What the reader and the building noticed without failing (shown once to the user).
    TArrayOfString Warnings;

    // First person (in array order) with exactly this id; -1 if none.
    int64_t FindPerson(const std::string& id) const;
    int64_t FindFamily(const std::string& id) const;
    int64_t GetFather(int64_t person) const;
    int64_t GetMother(int64_t person) const;

    void LinkFamilies();
    void RebuildSpouseFamilies();
    void RebuildChildren();
    void DeleteFamily(int32_t family);
    void UpdateLargestSpouseGroup();

    // Every Kekule number of every person, counted from root; ancestry above generation 62
    // is not followed (depthCut, when given, tells whether any line was cut there).
    // Throws Error when the root's ancestry is cyclic or has over kMaxKekuleNumbers numbers.
    TArrayOfArrayOfInt64 ComputeKekuleNumbers(int64_t root, bool* depthCut = nullptr) const;
    // How many Kekule numbers root's ancestry has, up to kMaxKekuleNumbers + 1.
    uint64_t CountKekuleNumbers(int64_t root) const;

    // "I5 (Müller, Hans)": how messages name a person.
    std::string DescribePerson(int64_t person) const;

private:
    void ResolveLinks();
    int64_t ParentOf(int64_t person, bool mother) const;

    mutable std::unordered_map<std::string, int64_t> m_personIndex;
    mutable std::unordered_map<std::string, int64_t> m_familyIndex;
    mutable size_t m_indexedPersons = 0;
    mutable size_t m_indexedFamilies = 0;
};

}  // namespace qv
