// "webgl": the 3D view of a proband's ancestry as a WebGL page.
#include "cli/command.h"
#include "cli/completion.h"
#include "cli/data_source.h"
#include "data/data_file.h"
#include "view3d/scene_3d.h"
#include "view3d/webgl_page.h"

namespace qv::cli {
namespace {

bool IsHtmlFileName(const std::string& name)
{
    for (const char* extension : {".html", ".htm"}) {
        const std::string e(extension);
        if (name.size() > e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0)
            return true;
    }
    return false;
}

DisplayType ParseType(const std::string& text)
{
    if (text == "1") return DisplayType::Cone;
    if (text == "2") return DisplayType::RightAngles;
    throw UsageError("--type muss 1 (Kreis/Kegel) oder 2 (rechtwinklige Linien) sein");
}

}  // namespace

int RunWebGl(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kExampleOption, {"--root", true}, {"--type", true}, kOutputOption});
    const std::string output = parsed.Required(kOutputOption.name);
    if (!IsHtmlFileName(output)) throw UsageError("AUSGABE muss auf .html oder .htm enden");
    const DisplayType type = ParseType(parsed.Value("--type", "1"));
    std::unique_ptr<TAhnenData> data = LoadData(parsed);
    const int64_t proband = ResolveRoot(parsed, *data);
    Completion completion;
    const Scene3D scene = BuildScene(*data, proband, type);
    WriteWebGlPage(*data, scene, output);
    completion.Print({"Personen: " + std::to_string(scene.IncludedCount())});
    return 0;
}

}  // namespace qv::cli
