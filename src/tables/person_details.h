// The text of the "Details" window: a person's identity, events, partners and those
// pedigree-collapse values that mean something for the person, as RTF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/image_settings.h"
#include "calc/calc_class.h"
#include "data/ahnen_data.h"
#include "data/array_types.h"

namespace qv {

enum class DetailsLevel { Basic, Detailed };

// The template lists: each entry one line of RTF with placeholders; "" is a blank line and
// "Partner:" the place of the partner blocks.
const TArrayOfString& DetailsTemplate(DetailsLevel level);
const TArrayOfString& PartnerDetailsTemplate();

// Whether a placeholder name (lower case, without brackets) is one of the engine's values.
bool IsDetailsMetricName(const std::string& name);
// Whether the engine's text for a metric says something about the person: counts other
// than "0", ratios that are numbers, Kekule numbers that exist; "f", "fw", "fx" always.
bool IsMeaningfulValue(const std::string& name, const std::string& text);

// "Details", or "Details - Proband: " with Id, surname and given names of the Kekule-1
// person when there is one.
std::string DetailsCaption(const TAhnenData& data, const TImageSettings& settings);

// The RTF document describing person with the list of level. Values count from the
// Kekule-1 person of settings; they are computed first, with the engine's progress
// (nothing is returned when it cancels). Throws Error when that person's ancestry is cyclic.
std::optional<std::string> DescribePerson(TCalcClass& calc, const TImageSettings& settings,
                                          int64_t person, DetailsLevel level);

}  // namespace qv
