// Loading one of the team's shared GEDCOM files once per benchmark program.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "data/data_file.h"

namespace qv::bench {

// The file from the shared test data, or nothing where the folder is missing.
inline const TAhnenData* SharedFile(const std::string& name)
{
    static std::map<std::string, std::unique_ptr<TAhnenData>> loaded;
    if (std::string(QV_TESTDATA_DIR).empty()) return nullptr;
    auto& data = loaded[name];
    if (!data) data = OpenDataFile(std::string(QV_TESTDATA_DIR) + "/" + name);
    return data.get();
}

}  // namespace qv::bench
