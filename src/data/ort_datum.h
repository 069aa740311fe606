// An event of a person or family: date and place exactly as the file writes them.
#pragma once

#include <string>

namespace qv {

struct TOrtDatum {
    std::string Date;
    std::string Place;

    bool operator==(const TOrtDatum&) const = default;
};

}  // namespace qv
