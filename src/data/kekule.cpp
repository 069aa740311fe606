// Kekule number helpers shared by the engine, the charts and the sibling list.
#include "data/kekule.h"

#include <bit>

#include "data/ahnen_data.h"

namespace qv {

int KekuleGeneration(int64_t n)
{
    if (n <= 1) return 0;
    return std::bit_width(static_cast<uint64_t>(n)) - 1;
}

TKekPath KekulePath(int64_t n)
{
    int generation = KekuleGeneration(n);
    TKekPath path(generation);
    for (int i = 0; i < generation; ++i)
        path[i] = static_cast<uint8_t>((n >> (generation - 1 - i)) & 1);
    return path;
}

int64_t PersonAtKekule(const TAhnenData& data, int64_t root, int64_t n)
{
    int64_t person = root;
    for (uint8_t step : KekulePath(n)) {
        if (person < 0) return -1;
        person = step == 0 ? data.GetFather(person) : data.GetMother(person);
    }
    return person;
}

}  // namespace qv
