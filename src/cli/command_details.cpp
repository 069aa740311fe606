// "details": the details window's description of a person as RTF, or the picture of the
// line to one of its Kekule numbers.
#include <algorithm>
#include <charconv>

#include "calc/family_document.h"
#include "cli/command.h"
#include "cli/completion.h"
#include "cli/data_source.h"
#include "cli/engine_steps.h"
#include "cli/interrupt.h"
#include "cli/progress_bar.h"
#include "data/atomic_file.h"
#include "data/data_file.h"
#include "data/error.h"
#include "data/kekule.h"
#include "render/bitmap_file.h"
#include "tables/kekule_line_picture.h"
#include "tables/person_details.h"

namespace qv::cli {
namespace {

bool EndsWith(std::string text, const std::string& ending)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

int64_t KekuleNumberOption(const std::string& text)
{
    int64_t number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1)
        throw UsageError("--kekule-picture erwartet eine Kekule-Nummer ab 1: " + text);
    return number;
}

int WritePicture(TCalcClass& calc, int64_t person, const std::string& numberText,
                 const std::string& output, ProgressBar& bar)
{
    int64_t number = KekuleNumberOption(numberText);
    if (!EndsWith(output, ".png") && !EndsWith(output, ".bmp"))
        throw UsageError("AUSGABE muss auf .png oder .bmp enden");
    const TAhnenData& data = calc.Data();
    if (calc.Proband() < 0) throw Error("Kein Proband gewählt!");
    TArrayOfInt64 numbers = calc.GetValueArray("kekule", person);
    if (std::find(numbers.begin(), numbers.end(), number) == numbers.end())
        throw Error(std::to_string(number) + " ist keine Kekule-Nummer von " +
                    data.DescribePerson(person));
    Completion completion;
    std::optional<Bitmap> picture =
        BuildKekuleLinePicture(data, calc.Proband(), number, bar.Callback());
    if (!picture || InterruptRequested()) return Interrupted();
    SaveChartBitmap(output, *picture);
    completion.Print({"Personen: " + std::to_string(KekuleGeneration(number) + 1)});
    return 0;
}

}  // namespace

int RunDetails(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kExampleOption,
                            {"--person", true},
                            {"--root", true},
                            kKekuleOneOption,
                            {"--detailed"},
                            {"--kekule-picture", true},
                            kOutputOption});
    const std::string output = parsed.Required(kOutputOption.name);
    bool picture = parsed.Has("--kekule-picture");
    if (!picture && !EndsWith(output, ".rtf")) throw UsageError("AUSGABE muss auf .rtf enden");
    InstallInterruptHandler();
    ProgressBar bar;
    FamilyDocument document(LoadData(parsed), bar.Callback());
    const TAhnenData& data = document.Data();
    int64_t person = ResolvePerson(data, parsed.Required("--person"));
    TImageSettings settings;
    // Without a root the description has names and events but no values, as in the window.
    if (parsed.Has("--root") || IsSiblingListFile(data.FileName))
        settings.ProbandIndex = ResolveRoot(parsed, data);
    ApplyKekuleOneOption(parsed, data, settings);
    if (!RootEngine(document.Calc(), settings.GetKekuleOne())) return Interrupted();
    if (picture)
        return WritePicture(document.Calc(), person, parsed.Value("--kekule-picture"), output, bar);
    Completion completion;
    DetailsLevel level = parsed.Has("--detailed") ? DetailsLevel::Detailed : DetailsLevel::Basic;
    std::optional<std::string> rtf = DescribePerson(document.Calc(), settings, person, level);
    if (!rtf || InterruptRequested()) return Interrupted();
    WriteFileAtomically(output, *rtf);
    completion.Print({});
    return 0;
}

}  // namespace qv::cli
