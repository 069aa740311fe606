// Mapping placeholders to the work they need.
#include "calc/required_flags.h"

#include <vector>

namespace qv {
namespace {

struct FlagGroup {
    uint16_t flag;
    std::vector<std::string> placeholders;
};

// The six path bases with a variant suffix, as placeholders.
std::vector<std::string> PathPlaceholders(const std::vector<std::string>& suffixes)
{
    std::vector<std::string> list;
    for (const std::string& suffix : suffixes)
        for (const char* base : {"z", "b", "gb", "g'b", "g''b", "gbs"}) {
            std::string placeholder = "<";
            placeholder.append(base).append(suffix).append(">");
            list.push_back(placeholder);
        }
    return list;
}

const std::vector<FlagGroup>& FlagGroups()
{
    static const std::vector<FlagGroup> groups = {
        {kCalcPaths, PathPlaceholders({"", "(s)"})},
        {kCalcDirectPaths, PathPlaceholders({"(d)"})},
        {kCalcPathsX1, PathPlaceholders({"x1", "x1(s)"})},
        {kCalcPathsX2, PathPlaceholders({"x2", "x2(s)"})},
        {kCalcDirectX1, PathPlaceholders({"x1(d)"})},
        {kCalcDirectX2, PathPlaceholders({"x2(d)"})},
        {kCalcF, {"<f>"}},
        {kCalcFW, {"<fw>"}},
        {kCalcFX, {"<fx>"}},
        {kCalcC, {"<c>", "<gc>"}},
        {kCalcKekule, {"<Kekule>"}},
    };
    return groups;
}

}  // namespace

uint16_t RequiredFlags(const std::string& templateText)
{
    uint16_t flags = 0;
    for (const FlagGroup& group : FlagGroups())
        for (const std::string& placeholder : group.placeholders)
            if (templateText.find(placeholder) != std::string::npos) flags |= group.flag;
    return flags;
}

}  // namespace qv
