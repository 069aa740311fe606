// Finding persons of the 3D scene by parts of their names.
#pragma once

#include <cstdint>
#include <string>

#include "view3d/scene_3d.h"

namespace qv {

class TAhnenData;

class NameSearch {
public:
    // Texts as typed; an empty text matches everyone. Case is ignored.
    NameSearch(const std::string& surname, const std::string& givenNames);

    bool Matches(const TAhnenData& data, int64_t person) const;
    // How many included persons match.
    int64_t Count(const TAhnenData& data, const Scene3D& scene) const;
    // The next matching included person after `after` in index order, wrapping around to the
    // start; -1 when nobody matches.
    int64_t Next(const TAhnenData& data, const Scene3D& scene, int64_t after) const;

private:
    std::string m_surname;
    std::string m_givenNames;
};

// "%d Treffer".
std::string HitCountText(int64_t count);

}  // namespace qv
