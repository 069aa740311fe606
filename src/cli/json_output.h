// Printing machine-readable output.
#pragma once

#include <iostream>

#include <nlohmann/json.hpp>

namespace qv::cli {

inline void PrintJson(const nlohmann::json& value)
{
    std::cout << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

// Objects keep the order in which their keys were added.
inline void PrintOrderedJson(const nlohmann::ordered_json& value)
{
    std::cout << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

}  // namespace qv::cli
