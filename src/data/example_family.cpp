// Loading the embedded example family.
#include "data/example_family.h"

#include "data/gedcom_reader.h"

namespace qv {

extern const unsigned char kBeispielGedcom[];
extern const size_t kBeispielGedcomSize;

std::string_view ExampleGedcomBytes()
{
    return {reinterpret_cast<const char*>(kBeispielGedcom), kBeispielGedcomSize};
}

TAhnenData LoadExampleFamily(const std::string& programDirectory)
{
    TGedcom tree = LoadGedcomBytes(std::string(ExampleGedcomBytes()));
    return TAhnenData(tree, programDirectory + "/beispielostrelle.ged");
}

}  // namespace qv
