// The flag word of TCalcClass::Calculate and how templates select it.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

constexpr uint16_t kCalcPaths = 0x0001;
constexpr uint16_t kCalcDirectPaths = 0x0002;
constexpr uint16_t kCalcDirectX1 = 0x0004;
constexpr uint16_t kCalcDirectX2 = 0x0008;
constexpr uint16_t kCalcPathsX1 = 0x0010;
constexpr uint16_t kCalcPathsX2 = 0x0020;
constexpr uint16_t kCalcC = 0x0040;
constexpr uint16_t kCalcF = 0x0080;
constexpr uint16_t kCalcFW = 0x0100;
constexpr uint16_t kCalcFX = 0x0200;
constexpr uint16_t kCalcKekule = 0x0400;

// The union of the bits of every placeholder ("<gb>", "<fw>", "<Kekule>" …) that occurs in
// the text; case-sensitive. "<KekuleX>" and "<Kekule-Min>" select nothing.
uint16_t RequiredFlags(const std::string& templateText);

}  // namespace qv
