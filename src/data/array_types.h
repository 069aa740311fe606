// The dynamic array types that every layer passes around.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

using TArrayOfInteger = std::vector<int32_t>;
using TArrayOfInt64 = std::vector<int64_t>;
using TArrayOfArrayOfInt64 = std::vector<TArrayOfInt64>;
using TArrayOfBoolean = std::vector<bool>;
using TArrayOfString = std::vector<std::string>;
// Steps of a Kekule number from the root upward: 0 = father, 1 = mother.
using TKekPath = std::vector<uint8_t>;

}  // namespace qv
