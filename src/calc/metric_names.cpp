// Building the metric name lists once.
#include "calc/metric_names.h"

namespace qv {

const std::vector<std::string>& PersonMetricNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const char* group : {"", "x1", "x2"})
            for (const char* kind : {"", "(d)", "(s)"})
                for (const char* base : {"gb", "gbs", "z", "b", "g'b", "g''b"})
                    list.push_back(std::string(base) + group + kind);
        for (const char* other : {"kmin", "f", "fw", "fx", "c", "gc"}) list.push_back(other);
        return list;
    }();
    return names;
}

const std::vector<std::string>& GenerationMetricNames()
{
    static const std::vector<std::string> names = {
        "k",       "ik",      "iak",     "vafk",    "aapk",   "Ik",     "atk",    "apk",
        "Atk",     "Apk",     "atk-apk", "Atk-Apk", "rpk(v)", "Rpk(v)", "rtk(v)", "Rtk(v)",
        "a'tk(v)", "a'pk(v)", "A'tk(v)", "A'pk(v)", "npk",    "ntk",    "ink",    "Ink"};
    return names;
}

}  // namespace qv
