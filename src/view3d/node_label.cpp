// Label texts of the viewer and the WebGL page.
#include "view3d/node_label.h"

namespace qv {

std::string NodeLabelText(const TPerson& person)
{
    return (person.Surname.empty() ? std::string("?") : person.Surname) + ", " +
           (person.GivenNames.empty() ? std::string("?") : person.GivenNames);
}

}  // namespace qv
