// The three ways the 3D view lays out an ancestry.
#pragma once

#include <array>

namespace qv {

enum class DisplayType {
    Cone = 1,         // "Kreis/Kegel"
    RightAngles = 2,  // "rechtwinklige Linien"
    Blocks = 3,       // "Blöcke"
};

// The captions of the "Anzeigetyp wählen" list, in the order of the types.
inline constexpr std::array<const char*, 3> kDisplayTypeNames = {"Kreis/Kegel",
                                                                 "rechtwinklige Linien", "Blöcke"};

// Whether the scene has spheres and tubes that can be picked and saved as a WebGL page.
inline bool HasNodesAndTubes(DisplayType type)
{
    return type != DisplayType::Blocks;
}

}  // namespace qv
