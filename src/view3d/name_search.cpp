// Case-insensitive substring search over the included persons.
#include "view3d/name_search.h"

#include "app/qt_text.h"
#include "data/ahnen_data.h"

namespace qv {

NameSearch::NameSearch(const std::string& surname, const std::string& givenNames)
    : m_surname(LowerCaseUtf8(surname)), m_givenNames(LowerCaseUtf8(givenNames))
{
}

bool NameSearch::Matches(const TAhnenData& data, int64_t person) const
{
    const TPerson& p = data.Persons[person];
    if (!m_surname.empty() && LowerCaseUtf8(p.Surname).find(m_surname) == std::string::npos)
        return false;
    return m_givenNames.empty() ||
           LowerCaseUtf8(p.GivenNames).find(m_givenNames) != std::string::npos;
}

int64_t NameSearch::Count(const TAhnenData& data, const Scene3D& scene) const
{
    int64_t count = 0;
    for (size_t p = 0; p < scene.Included.size(); ++p)
        if (scene.Included[p] && Matches(data, static_cast<int64_t>(p))) ++count;
    return count;
}

int64_t NameSearch::Next(const TAhnenData& data, const Scene3D& scene, int64_t after) const
{
    const int64_t count = static_cast<int64_t>(scene.Included.size());
    if (count == 0) return -1;
    const int64_t start = after >= 0 && after < count ? after : -1;
    for (int64_t step = 1; step <= count; ++step) {
        int64_t person = (start + step) % count;
        if (scene.Included[person] && Matches(data, person)) return person;
    }
    return -1;
}

std::string HitCountText(int64_t count)
{
    return std::to_string(count) + " Treffer";
}

}  // namespace qv
