// Moving the bytes of a cut character back together, or dropping a tail nothing finishes.
#include "data/cut_characters.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/gedcom_line.h"
#include "data/gedcom_tree.h"
#include "data/text_encoding.h"

namespace qv {
namespace {

bool IsContinuationTag(std::string_view tag)
{
    return tag == "CONC" || tag == "CONT";
}

// The line that continues the value of node: the first child of the line that starts a value,
// the next sibling of a CONC or CONT line; -1 when there is none.
int32_t NextPiece(const TGedcom& tree, int32_t node)
{
    const TGedcomNode& n = tree.Node(node);
    int32_t next = IsContinuationTag(LineTag(n.Line())) ? n.NextSibling : n.FirstChild;
    if (next < 0 || !IsContinuationTag(LineTag(tree.Node(next).Line()))) return -1;
    return next;
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The line without the first count bytes of its value.
std::string WithoutValueStart(std::string_view line, size_t count)
{
    size_t valueStart = static_cast<size_t>(LineValue(line).data() - line.data());
    std::string rest(line.substr(0, valueStart));
    rest.append(line.substr(valueStart + count));
    return rest;
}

// Moves the missing bytes of node's last character up from the CONC lines that follow it (a
// CONT line is a line break, which no character spans). False, moving nothing, when they do not
// finish it.
bool FinishFromContinuations(TGedcom& tree, int32_t node, size_t missing)
{
    std::vector<std::pair<int32_t, size_t>> taken;
    std::string moved;
    for (int32_t next = NextPiece(tree, node); next >= 0 && missing > 0;
         next = NextPiece(tree, next)) {
        std::string_view line = tree.Node(next).Line();
        if (LineTag(line) != "CONC") break;
        std::string_view value = LineValue(line);
        size_t take = 0;
        while (take < value.size() && take < missing && IsContinuationByte(value[take])) ++take;
        if (take == 0) break;
        moved.append(value.substr(0, take));
        taken.emplace_back(next, take);
        missing -= take;
        if (take < value.size()) break;
    }
    if (missing > 0) return false;
    tree.ReplaceLine(node, std::string(tree.Node(node).Line()) + moved);
    for (auto [next, take] : taken)
        tree.ReplaceLine(next, WithoutValueStart(tree.Node(next).Line(), take));
    return true;
}

}  // namespace

void MendCutCharacter(TGedcom& tree, int32_t node)
{
    std::string_view line = tree.Node(node).Line();
    size_t cut = CutUtf8TailLength(line);
    if (cut == 0) return;
    size_t missing = Utf8SequenceLength(line[line.size() - cut]) - cut;
    if (FinishFromContinuations(tree, node, missing)) return;
    std::string_view kept = line.substr(0, line.size() - cut);
    if (!IsAscii(kept) && IsValidUtf8(kept)) tree.ReplaceLine(node, std::string(kept));
}

}  // namespace qv
