// Binding a data object and its engine for their common lifetime.
#include "calc/family_document.h"

#include <cassert>

namespace qv {

FamilyDocument::FamilyDocument(std::unique_ptr<TAhnenData> data, ProgressCallback progress)
    : m_data(std::move(data))
{
    assert(m_data);
    m_calc = std::make_unique<TCalcClass>(*m_data, std::move(progress));
}

}  // namespace qv
