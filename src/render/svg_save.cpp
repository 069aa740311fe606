// Saving the SVG document: header lines, empty groups removed, path data rewritten.
#include "render/scalable_vector_graphics.h"

#include <algorithm>

#include "data/atomic_file.h"
#include "render/svg_path_rewrite.h"

namespace qv {
namespace {

// A line that opens a group and leaves it open; a group written whole on one line (empty on
// purpose, for a script to fill) is no opening.
bool OpensGroup(const std::string& line)
{
    const bool closed = line.find("</g>") != std::string::npos ||
                        (line.size() >= 2 && line.compare(line.size() - 2, 2, "/>") == 0);
    return !closed && line.find("<g ") != std::string::npos;
}

void RemoveEmptyGroups(std::vector<std::string>& lines)
{
    size_t i = 1;
    while (i < lines.size()) {
        if (lines[i] == "</g>" && OpensGroup(lines[i - 1])) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i - 1),
                        lines.begin() + static_cast<std::ptrdiff_t>(i + 1));
            // Step back so that a group left empty by the removal goes too.
            i = std::max<size_t>(1, i - 1);
        } else {
            ++i;
        }
    }
}

std::string Trimmed(const std::string& line)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    auto first = std::find_if_not(line.begin(), line.end(), blank);
    auto last = std::find_if_not(line.rbegin(), line.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

}  // namespace

std::string TScalableVectorGraphics::SaveToString() const
{
    std::vector<std::string> lines = {
        "<?xml version=\"1.0\" encoding=\"" + Encoding + "\"?>",
        "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
        "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">",
        "<svg xmlns=\"http://www.w3.org/2000/svg\"",
        "     xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
        "xmlns:ev=\"http://www.w3.org/2001/xml-events\"",
        "     xml:space=\"preserve\"",
        "     version=\"1.1\" baseProfile=\"full\"",
        "     width=\"" + std::to_string(Width) + "px\" height=\"" + std::to_string(Height) +
            "px\">",
        // Half a pixel puts one-pixel strokes at integer coordinates onto whole pixels.
        "<g transform=\"translate(0.5,0.5)\" stroke-linejoin=\"round\" stroke-linecap=\"round\">",
    };
    lines.insert(lines.end(), Body.begin(), Body.end());
    lines.push_back("</g>");
    lines.push_back("</svg>");
    RemoveEmptyGroups(lines);
    std::string out;
    for (std::string& line : lines) {
        if (line.find("<path d=\"") != std::string::npos) line = RewritePathLine(std::move(line));
        out += TrimLines ? Trimmed(line) : line;
        out += "\r\n";
    }
    return out;
}

void TScalableVectorGraphics::SaveToStream(std::ostream& out) const
{
    out << SaveToString();
}

void TScalableVectorGraphics::SaveToFile(const std::string& fileName) const
{
    WriteFileAtomically(fileName, SaveToString());
}

}  // namespace qv
