// An opened family file: its data object together with the calculation engine on it.
#pragma once

#include <memory>

#include "calc/calc_class.h"
#include "data/ahnen_data.h"
#include "data/progress.h"

namespace qv {

// Owns both, the data on the heap so the engine's reference stays valid when the document
// moves. The data is only handed out read-only: the engine relies on it not changing.
class FamilyDocument {
public:
    FamilyDocument(std::unique_ptr<TAhnenData> data, ProgressCallback progress = {});

    const TAhnenData& Data() const { return *m_data; }
    TCalcClass& Calc() { return *m_calc; }
    const TCalcClass& Calc() const { return *m_calc; }

private:
    std::unique_ptr<TAhnenData> m_data;
    std::unique_ptr<TCalcClass> m_calc;
};

}  // namespace qv
