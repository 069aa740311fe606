// Small families, settings and a fixed text measure for the tree-chart tests.
#pragma once

#include <string>
#include <vector>

#include "app/image_settings.h"
#include "charts/tree/label_measure.h"
#include "data/ahnen_data.h"
#include "data/error.h"
#include "data/gedcom_fixture.h"

namespace qv::test {

// Every byte 6 pixels wide, lines 10 pixels apart: label sizes become easy to predict.
class FixedMeasure : public LabelMeasure {
public:
    int32_t LineHeight() const override { return 10; }
    int32_t MaxTextWidth(const TArrayOfString& lines) const override
    {
        size_t widest = 0;
        for (const std::string& line : lines) widest = std::max(widest, line.size());
        return int32_t(widest) * 6;
    }
};

struct Fam {
    std::string id, husband, wife;
    std::vector<std::string> children;
};

// A GEDCOM text with the persons in the given order (so person index = position); husbands
// are male, wives female, everybody else of unknown sex.
inline std::string MakeGedcom(const std::vector<std::string>& persons,
                              const std::vector<Fam>& families)
{
    std::string text = "0 HEAD\n";
    for (const std::string& p : persons) {
        char sex = 'U';
        std::string famc;
        for (const Fam& f : families) {
            if (f.husband == p) sex = 'M';
            if (f.wife == p) sex = 'F';
            for (const std::string& c : f.children)
                if (c == p) famc = f.id;
        }
        text += "0 @" + p + "@ INDI\n1 NAME " + p + " /Name/\n1 SEX " + std::string(1, sex) + "\n";
        if (!famc.empty()) text += "1 FAMC @" + famc + "@\n";
    }
    for (const Fam& f : families) {
        text += "0 @" + f.id + "@ FAM\n";
        if (!f.husband.empty()) text += "1 HUSB @" + f.husband + "@\n";
        if (!f.wife.empty()) text += "1 WIFE @" + f.wife + "@\n";
    }
    return text + "0 TRLR\n";
}

inline int64_t Person(const TAhnenData& data, const std::string& id)
{
    int64_t p = data.FindPerson(id);
    EXPECT_GE(p, 0) << id;
    return p;
}

inline TImageSettings TreeSettings(const TAhnenData& data, const std::string& proband)
{
    TImageSettings settings;
    settings.ProbandIndex = Person(data, proband);
    return settings;
}

// Labels are the persons' ids.
inline LabelSource IdLabels(const TAhnenData& data)
{
    return [&data](int64_t person) { return TArrayOfString{data.Persons[person].Id}; };
}

// The call throws Error with exactly this message.
template <typename Call>
void ExpectError(Call call, const std::string& message)
{
    try {
        call();
        ADD_FAILURE() << "no error, expected: " << message;
    } catch (const Error& e) {
        EXPECT_EQ(e.what(), message);
    }
}

}  // namespace qv::test
