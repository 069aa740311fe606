// Header placeholders and the line breaks that become "<br/>".
#include "app/headline.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

#include "app/person_label.h"
#include "app/placeholder_substitution.h"
#include "app/qt_text.h"
#include "data/replace_all.h"

namespace qv {
namespace {

// A four-digit year, as the short date of the desktop shows it.
QString DateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains("yyyy")) format.replace("yy", "yyyy");
    return format;
}

// The long time format without the time zone.
QString TimeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

std::string PersonName(const TAhnenData& data, int64_t person, bool questionMarks)
{
    if (person < 0 || person >= static_cast<int64_t>(data.Persons.size())) return {};
    const TPerson& p = data.Persons[person];
    std::string given = QuestionMarkValue(p.GivenNames, questionMarks);
    std::string surname = QuestionMarkValue(p.Surname, questionMarks);
    return given.empty() ? surname : surname + ", " + given;
}

QLocale UserLocale()
{
    QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return QLocale(QLocale::German, QLocale::Germany);
    return system;
}

}  // namespace

std::string ExpandHeadline(const TArrayOfString& lines, const TAhnenData& data,
                           const TImageSettings& settings, HeadlineKind kind)
{
    return ExpandHeadline(lines, data, settings, kind, QDateTime::currentDateTime(), UserLocale());
}

std::string ExpandHeadline(const TArrayOfString& lines, const TAhnenData& data,
                           const TImageSettings& settings, HeadlineKind kind, const QDateTime& now,
                           const QLocale& locale)
{
    bool questionMarks = kind == HeadlineKind::TreeChart  ? settings.Tree.LabelsQuestionMark
                         : kind == HeadlineKind::Triangle ? settings.Triangle.LabelsQuestionMark
                                                          : false;
    int64_t proband =
        settings.SavedProbandIndex >= 0 ? settings.SavedProbandIndex : settings.ProbandIndex;
    const std::pair<std::string_view, std::string> values[] = {
        {"<Datum>", Utf8FromQString(locale.toString(now.date(), DateFormat(locale)))},
        {"<Uhrzeit>", Utf8FromQString(locale.toString(now.time(), TimeFormat(locale)))},
        {"<Dateiname>", std::filesystem::path(data.FileName).filename().string()},
        {"<Proband>", PersonName(data, proband, questionMarks)},
        {"<Kekule1>", PersonName(data, settings.GetKekuleOne(), questionMarks)},
    };
    auto value = [&values](std::string_view token) -> std::optional<std::string> {
        for (const auto& [name, text] : values)
            if (token == name) return text;
        return std::nullopt;
    };
    // Line breaks of the template become "<br/>"; names and file names are inserted as they are.
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        ReplaceAll(line, "\r\n", "<br/>");
        text += (i ? "<br/>" : "") + SubstitutePlaceholders(line, value);
    }
    return text;
}

}  // namespace qv
