// Walking the details templates: blank-line collapsing, partner blocks and the value test.
#include "tables/person_details.h"

#include <algorithm>

#include "app/person_label.h"
#include "app/qt_text.h"
#include "calc/metric_names.h"
#include "calc/path_metrics.h"
#include "calc/required_flags.h"
#include "tables/rtf_text.h"

namespace qv {
namespace {

// The entries that are not written as templates: the place of the partner blocks and the
// marriage line of a partner block.
constexpr const char* kPartnerEntry = "Partner:";
constexpr const char* kMarriageLine = "\\tab Heirat:\\tab\\tab ";

// "zx1(d) = <zx1(d)>" …: five lines, or four for the X-chromosomal suffixes, which have
// no "gbs" line.
TArrayOfString MetricGroup(const std::string& suffix)
{
    bool x = suffix.find('x') != std::string::npos;
    TArrayOfString lines;
    for (const char* base : {"z", "b", "g'b", "gbs", "gb"}) {
        if (x && std::string(base) == "gbs") continue;
        std::string name = base + suffix;
        lines.push_back(name + " = <" + name + ">");
    }
    return lines;
}

TArrayOfString DetailsHead()
{
    return {"\\b Nummer:\\tab <Nummer>\\b0",
            "\\b Nachname:\\tab <NName>\\b0",
            "\\b Vorname:\\tab <VName>\\b0",
            "Geboren:\\tab <Geb-Datum> <Geb-Ort>",
            "Getauft:\\tab\\tab <Tauf-Datum> <Tauf-Ort>",
            "Gestorben:\\tab <Tod-Datum> <Tod-Ort>",
            "Beerdigt:\\tab <Beerd-Datum> <Beerd-Ort>",
            "",
            kPartnerEntry,
            "",
            "kleinste Kekulenummer: <Kekule-Min>",
            ""};
}

TArrayOfString BuildTemplate(DetailsLevel level)
{
    TArrayOfString lines = DetailsHead();
    std::vector<const char*> groups = {"(d)", "x1(d)", "x2(d)"};
    if (level == DetailsLevel::Detailed)
        groups = {"(d)", "", "(s)", "x1(d)", "x1", "x1(s)", "x2(d)", "x2", "x2(s)"};
    for (const char* suffix : groups) {
        TArrayOfString group = MetricGroup(suffix);
        lines.insert(lines.end(), group.begin(), group.end());
        lines.push_back("");
    }
    if (level == DetailsLevel::Detailed)
        lines.insert(lines.end(), {"f = <f>", "fw = <fw>", "fx = <fx>", ""});
    lines.insert(lines.end(), {"c = <c>", "gc = <gc>"});
    return lines;
}

std::string Lower(const std::string& name)
{
    return LowerCaseUtf8(name);
}

// The literal RTF parts and placeholders of a template line, in order.
struct LinePart {
    std::string text;
    bool placeholder;
};

std::vector<LinePart> SplitLine(const std::string& line)
{
    std::vector<LinePart> parts;
    size_t at = 0;
    while (at < line.size()) {
        size_t open = line.find('<', at);
        size_t close = open == std::string::npos ? open : line.find('>', open);
        if (close == std::string::npos) {
            parts.push_back({line.substr(at), false});
            break;
        }
        if (open > at) parts.push_back({line.substr(at, open - at), false});
        parts.push_back({line.substr(open, close - open + 1), true});
        at = close + 1;
    }
    return parts;
}

// Writes the lines of one template list for one person into an RTF body.
class DetailsWriter {
public:
    DetailsWriter(TCalcClass& calc, const TImageSettings& settings)
        : m_calc(calc), m_settings(settings)
    {
    }
    void WalkList(const TArrayOfString& lines, int64_t person);
    std::string Take() { return std::move(m_body); }

private:
    void WritePartners(int64_t person);
    void WritePartnerBlock(int64_t partner, const TFamilie& family);
    // Appends the line when one of its placeholders has something to say.
    void WriteTemplateLine(const std::string& line, int64_t person);
    void WriteLine(const std::string& rtf);
    void Blank();
    std::string Value(const std::string& placeholder, int64_t person);

    TCalcClass& m_calc;
    const TImageSettings& m_settings;
    std::string m_body;
    bool m_blank = true;
};

void DetailsWriter::WalkList(const TArrayOfString& lines, int64_t person)
{
    for (const std::string& line : lines) {
        if (line.empty())
            Blank();
        else if (line == kPartnerEntry)
            WritePartners(person);
        else
            WriteTemplateLine(line, person);
    }
}

void DetailsWriter::Blank()
{
    if (!m_blank) m_body += "\\line ";
    m_blank = true;
}

void DetailsWriter::WriteLine(const std::string& rtf)
{
    m_body += rtf + "\\line ";
    m_blank = false;
}

std::string DetailsWriter::Value(const std::string& placeholder, int64_t person)
{
    TFootNotes unused;
    return ExpandPersonLabel(m_calc.Data(), m_calc, person, m_settings, placeholder, false, false,
                             unused);
}

void DetailsWriter::WriteTemplateLine(const std::string& line, int64_t person)
{
    std::string rtf;
    bool shown = false;
    bool anyPlaceholder = false;
    for (const LinePart& part : SplitLine(line)) {
        if (!part.placeholder) {
            rtf += part.text;
            continue;
        }
        anyPlaceholder = true;
        std::string value = Value(part.text, person);
        std::string name = Lower(part.text.substr(1, part.text.size() - 2));
        shown =
            shown || (IsDetailsMetricName(name) ? IsMeaningfulValue(name, value) : !value.empty());
        rtf += RtfEscape(value);
    }
    if (shown || !anyPlaceholder) WriteLine(rtf);
}

void DetailsWriter::WritePartners(int64_t person)
{
    const TAhnenData& data = m_calc.Data();
    const TPerson& p = data.Persons[person];
    auto partnerIn = [&data, person](int32_t family) {
        const TFamilie& f = data.Families[family];
        return f.Husband == person ? f.Wife : f.Husband;
    };
    bool any = std::any_of(p.SpouseFamilies.begin(), p.SpouseFamilies.end(),
                           [&](int32_t f) { return partnerIn(f) >= 0; });
    if (!any) return;
    WriteLine("Partner:");
    m_body += "\\fs18 ";
    for (int32_t f : p.SpouseFamilies)
        if (partnerIn(f) >= 0) WritePartnerBlock(partnerIn(f), data.Families[f]);
    m_body += "\\fs20 ";
}

void DetailsWriter::WritePartnerBlock(int64_t partner, const TFamilie& family)
{
    for (const std::string& line : PartnerDetailsTemplate()) {
        if (line.empty()) {
            Blank();
        } else if (line == kMarriageLine) {
            const TOrtDatum& marriage = family.Marriage;
            if (!marriage.Date.empty() || !marriage.Place.empty())
                WriteLine(line + RtfEscape(marriage.Date + " " + marriage.Place));
        } else {
            WriteTemplateLine(line, partner);
        }
    }
}

}  // namespace

const TArrayOfString& DetailsTemplate(DetailsLevel level)
{
    static const TArrayOfString basic = BuildTemplate(DetailsLevel::Basic);
    static const TArrayOfString detailed = BuildTemplate(DetailsLevel::Detailed);
    return level == DetailsLevel::Basic ? basic : detailed;
}

const TArrayOfString& PartnerDetailsTemplate()
{
    static const TArrayOfString lines = {"\\tab\\b Nummer:\\tab <Nummer>\\b0",
                                         "\\tab\\b Nachname:\\tab <NName>\\b0",
                                         "\\tab\\b Vorname:\\tab <VName>\\b0",
                                         "\\tab Geboren:\\tab <Geb-Datum> <Geb-Ort>",
                                         "\\tab Getauft:\\tab\\tab <Tauf-Datum> <Tauf-Ort>",
                                         "\\tab Gestorben:\\tab <Tod-Datum> <Tod-Ort>",
                                         "\\tab Beerdigt:\\tab <Beerd-Datum> <Beerd-Ort>",
                                         kMarriageLine,
                                         ""};
    return lines;
}

bool IsDetailsMetricName(const std::string& name)
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all = {"kekule-min", "kekule", "kekulex"};
        for (const std::string& n : PersonMetricNames()) all.push_back(Lower(n));
        for (const std::string& n : GenerationMetricNames()) all.push_back(Lower(n));
        return all;
    }();
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsMeaningfulValue(const std::string& name, const std::string& text)
{
    if (name == "f" || name == "fw" || name == "fx") return true;
    if (name == "c") return text != "0";
    if (name == "gc") return text != "INF" && text != "NaN";
    if (std::optional<PathMetric> metric = ParsePathMetric(name)) {
        switch (metric->base) {
            case PathBase::Z:
            case PathBase::B:
                return text != "0";
            case PathBase::Gbs:
            case PathBase::GPrimeB:
                return text != "INF" && text != "NaN";
            default:
                return text != "NaN";
        }
    }
    // "kmin", "kekule-min", the Kekule lists and the generation values: shown when known.
    return !text.empty() && text != "NaN";
}

std::string DetailsCaption(const TAhnenData& data, const TImageSettings& settings)
{
    int64_t one = settings.GetKekuleOne();
    if (one < 0 || one >= static_cast<int64_t>(data.Persons.size())) return "Details";
    const TPerson& p = data.Persons[one];
    return "Details - Proband: " + p.Id + " " + p.Surname + ", " + p.GivenNames;
}

std::optional<std::string> DescribePerson(TCalcClass& calc, const TImageSettings& settings,
                                          int64_t person, DetailsLevel level)
{
    const TAhnenData& data = calc.Data();
    if (person < 0 || person >= static_cast<int64_t>(data.Persons.size())) return RtfDocument("");
    const TArrayOfString& lines = DetailsTemplate(level);
    std::string all;
    for (const std::string& line : lines) all += line + "\r\n";
    // Only this person's values are asked for: the path walks prune to it.
    calc.SetProband(settings.GetKekuleOne());
    TArrayOfBoolean required(data.Persons.size(), false);
    required[person] = true;
    calc.SetRequired(required);
    if (!calc.Calculate(RequiredFlags(all))) return std::nullopt;
    DetailsWriter writer(calc, settings);
    writer.WalkList(lines, person);
    return RtfDocument(writer.Take());
}

}  // namespace qv
