// Dispatch from a file name to the reader of its kind.
#include "data/data_file.h"

#include "data/gedcom_reader.h"
#include "data/gedcom_tree.h"

namespace qv {

std::unique_ptr<TAhnenData> OpenDataFile(const std::string& path)
{
    return std::make_unique<TAhnenData>(LoadGedcomFile(path), path);
}

}  // namespace qv
