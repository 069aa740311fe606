// Refusing chart pictures that cannot be held.
#include "charts/picture_fits.h"

#include <climits>
#include <fstream>
#include <string>

#include "data/error.h"

namespace qv {
namespace {

// The memory the system can give without swapping (MemAvailable), or -1 when unknown.
int64_t AvailableMemory()
{
    std::ifstream meminfo("/proc/meminfo");
    for (std::string line; std::getline(meminfo, line);)
        if (line.rfind("MemAvailable:", 0) == 0) return std::stoll(line.substr(13)) * 1024;
    return -1;
}

}  // namespace

// A picture larger than the memory at hand would only fail while drawing, or make the system
// swap itself to a halt; it is refused at once, as a failed allocation would be.
void EnsurePictureFits(int64_t width, int64_t height)
{
    const int64_t available = AvailableMemory();
    const bool tooWide = width > INT32_MAX / 4 || height > INT32_MAX / 4;
    if (tooWide || (available >= 0 && width * height * 3 > available))
        throw Error("Nicht genügend Speicher zum Erstellen des Bildes verfügbar.");
}

}  // namespace qv
