// Building data objects from small GEDCOM texts written in the tests.
#pragma once

#include <string>

#include "data/ahnen_data.h"
#include "data/gedcom_reader.h"

namespace qv::test {

inline TAhnenData DataFromGedcom(const std::string& text)
{
    return TAhnenData(LoadGedcomBytes(text), "test.ged");
}

}  // namespace qv::test
