// Building the placeholder lists from the metric names.
#include "app/placeholder_lists.h"

#include "calc/metric_names.h"

namespace qv {
namespace {

const std::vector<std::string> kEventPlaceholders = {
    "<Geb-Datum>", "<Geb-Ort>", "<Tauf-Datum>", "<Tauf-Ort>",
    "<Tod-Datum>", "<Tod-Ort>", "<Beerd-Datum>", "<Beerd-Ort>"};

std::vector<std::string> PersonPlaceholders(bool withKekuleLists)
{
    std::vector<std::string> list = {"<VName>", "<NName>", "<Nummer>"};
    if (withKekuleLists) list.insert(list.end(), {"<Kekule>", "<KekuleX>"});
    list.push_back("<Kekule-Min>");
    list.insert(list.end(), kEventPlaceholders.begin(), kEventPlaceholders.end());
    list.push_back("<kmin>");
    // The metric names end with kmin, f, fw, fx, c, gc: the coefficients come last.
    const std::vector<std::string>& metrics = PersonMetricNames();
    for (size_t i = 0; i + 6 < metrics.size(); ++i) list.push_back("<" + metrics[i] + ">");
    for (const char* last : {"<f>", "<fw>", "<fx>", "<c>", "<gc>"}) list.push_back(last);
    return list;
}

}  // namespace

std::vector<std::string> PersonTablePlaceholders() { return PersonPlaceholders(false); }

std::vector<std::string> PersonLabelPlaceholders() { return PersonPlaceholders(true); }

std::vector<std::string> GenerationPlaceholders()
{
    return {"<k>",       "<ik>",      "<Ik>",       "<apk>",      "<atk>",     "<atk-apk>",
            "<Apk>",     "<Atk>",     "<Atk-Apk>",  "<a'tk(v)>",  "<a'pk(v)>", "<A'tk(v)>",
            "<A'pk(v)>", "<rpk(v)>",  "<Rpk(v)>",   "<rtk(v)>",   "<Rtk(v)>",  "<iak>",
            "<vafk>",    "<aapk>",    "<npk>",      "<ntk>",      "<ink>",     "<Ink>"};
}

std::vector<std::string> HeadlinePlaceholders()
{
    return {"<Datum>", "<Uhrzeit>", "<Proband>", "<Kekule1>", "<Dateiname>"};
}

}  // namespace qv
