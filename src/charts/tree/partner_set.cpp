// The partner set C, shared by the ancestor chart and the descendant tree.
#include "charts/tree/partner_set.h"

#include "charts/tree/person_sets.h"

namespace qv {
namespace {

bool HasCountingFamily(const TAhnenData& data, int64_t proband, int64_t person,
                       const PartnerRule& rule)
{
    for (int32_t f : data.Persons[person].SpouseFamilies) {
        const TFamilie& family = data.Families[f];
        int64_t partner = OtherSpouse(family, person);
        if (partner < 0 || partner == proband || !rule.Partners[partner]) continue;
        if (!FamilyHasChildIn(family, rule.Children)) continue;
        if (rule.Minimal && ChildrenIn(data, partner, rule.PartnerChildren) <= 1) continue;
        return true;
    }
    return false;
}

}  // namespace

TArrayOfBoolean PartnerSet(const TAhnenData& data, int64_t proband, const PartnerRule& rule)
{
    TArrayOfBoolean c(data.Persons.size(), false);
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        int64_t person = static_cast<int64_t>(p);
        if (rule.Minimal && ChildrenIn(data, person, rule.Both) >= 2)
            c[p] = true;
        else
            c[p] = HasCountingFamily(data, proband, person, rule);
    }
    if (rule.Minimal) {
        for (int32_t f : data.Persons[proband].SpouseFamilies) {
            int64_t partner = OtherSpouse(data.Families[f], proband);
            if (partner >= 0) c[partner] = false;
        }
    }
    return c;
}

}  // namespace qv
