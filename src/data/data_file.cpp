// Dispatch from a file name to the reader of its kind.
#include "data/data_file.h"

#include <filesystem>

#include "data/gedcom_reader.h"
#include "data/gedcom_tree.h"
#include "data/sibling_list_reader.h"

namespace qv {

std::string LowerCaseExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

bool IsSiblingListFile(const std::string& path) { return LowerCaseExtension(path) == ".txt"; }

std::unique_ptr<TAhnenData> OpenDataFile(const std::string& path)
{
    if (IsSiblingListFile(path)) return std::make_unique<TAhnenData>(ReadSiblingListFile(path));
    return std::make_unique<TAhnenData>(LoadGedcomFile(path), path);
}

}  // namespace qv
