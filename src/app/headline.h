// The dynamic header ("dynamische Kopfzeile"): date, time, proband, Kekule-1 person, file.
#pragma once

#include <string>

#include <QDateTime>
#include <QLocale>

#include "app/image_settings.h"
#include "data/ahnen_data.h"

namespace qv {

// Which chart asks: its surname and question-mark settings apply ("Kreis" and others use
// none).
enum class HeadlineKind { TreeChart = 0, Triangle = 1, Other = 2 };

// The header lines as one line of HTML: "<Datum>" and "<Uhrzeit>" in the user's short date
// and long time format (dd.MM.yyyy and HH:mm:ss in German), "<Dateiname>" the data file's
// name without directory, "<Proband>" and "<Kekule1>" as "Surname, Given names"; lines
// joined by "<br/>".
std::string ExpandHeadline(const TArrayOfString& lines, const TAhnenData& data,
                           const TImageSettings& settings, HeadlineKind kind);
// The same at a given moment and in a given locale.
std::string ExpandHeadline(const TArrayOfString& lines, const TAhnenData& data,
                           const TImageSettings& settings, HeadlineKind kind, const QDateTime& now,
                           const QLocale& locale);

}  // namespace qv
