// Loading the family file named on the command line.
#include "cli/data_source.h"

#include <charconv>
#include <filesystem>
#include <iostream>

#include "app/install_layout.h"
#include "data/data_file.h"
#include "data/example_family.h"

namespace qv::cli {
namespace {

std::string ProgramDirectory()
{
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path().string() : exe.parent_path().string();
}

}  // namespace

std::unique_ptr<TAhnenData> LoadData(const Arguments& args)
{
    std::unique_ptr<TAhnenData> data;
    if (args.Has("--example")) {
        if (!args.Positional().empty()) throw UsageError("Entweder DATEI oder --example angeben");
        data = std::make_unique<TAhnenData>(LoadExampleFamily(DataDirectory(ProgramDirectory())));
    } else {
        if (args.Positional().size() != 1) throw UsageError("Genau eine DATEI angeben");
        data = OpenDataFile(args.Positional()[0]);
    }
    for (const std::string& warning : data->Warnings) std::cerr << "Warnung: " << warning << '\n';
    return data;
}

int64_t ResolveRoot(const Arguments& args, const TAhnenData& data)
{
    if (args.Has("--root")) return ResolvePerson(data, args.Value("--root"));
    if (IsSiblingListFile(data.FileName) && !data.Persons.empty()) return 0;
    throw UsageError("Option --root fehlt");
}

int64_t ResolvePerson(const TAhnenData& data, const std::string& text)
{
    if (text.starts_with('#')) {
        int64_t index = -1;
        auto [end, ec] = std::from_chars(text.data() + 1, text.data() + text.size(), index);
        if (ec == std::errc() && end == text.data() + text.size() && index >= 0 &&
            index < static_cast<int64_t>(data.Persons.size()))
            return index;
    } else if (int64_t index = data.FindPerson(text); index >= 0) {
        return index;
    }
    throw UsageError("Person nicht gefunden: " + text);
}

void ApplyKekuleOneOption(const Arguments& args, const TAhnenData& data, SelectionState& state)
{
    if (args.Has(kKekuleOneOption.name))
        state.KekuleOneIndex = ResolvePerson(data, args.Value(kKekuleOneOption.name));
}

}  // namespace qv::cli
