// Numbering the packing nodes of the ancestor chart for the interactive document's script.
#include "charts/tree/interactive_tree.h"

#include <QUuid>
#include <algorithm>
#include <map>

#include "charts/tree/person_sets.h"

namespace qv {
namespace {

char SexLetter(char sex)
{
    return sex == 'M' || sex == 'F' ? sex : 'U';
}

// Drawn persons with a node, listed per marriage group.
std::vector<std::vector<int32_t>> GroupMembers(const TImage_Vorfahren& chart,
                                               const std::vector<int32_t>& nodeOf,
                                               const std::vector<int32_t>& groupOf)
{
    std::vector<std::vector<int32_t>> members;
    for (size_t p = 0; p < groupOf.size(); ++p) {
        if (groupOf[p] < 0 || nodeOf[p] < 0 || !chart.Drawn()[p]) continue;
        if (size_t(groupOf[p]) >= members.size()) members.resize(groupOf[p] + 1);
        members[groupOf[p]].push_back(nodeOf[p]);
    }
    return members;
}

void AddGroups(const TImage_Vorfahren& chart, InteractiveTree& tree)
{
    const std::vector<int32_t> groupOf = DrawnMarriageGroups(chart.Data, chart.Drawn());
    const std::vector<std::vector<int32_t>> members = GroupMembers(chart, tree.nodeOf, groupOf);
    for (InteractiveNode& node : tree.nodes) {
        if (node.person < 0) continue;
        int64_t parent = -1;
        for (int64_t candidate : ParentsOf(chart.Data, node.person))
            if (parent < 0 && candidate >= 0 && tree.nodeOf[candidate] >= 0) parent = candidate;
        if (parent < 0) continue;
        for (int32_t member : members[groupOf[parent]])
            if (std::find(node.children.begin(), node.children.end(), member) ==
                node.children.end())
                node.group.push_back(member);
    }
}

void AddFamilies(const TImage_Vorfahren& chart, InteractiveTree& tree)
{
    for (size_t f = 0; f < chart.Data.Families.size(); ++f) {
        const FamilyLines lines = chart.LinesOf(int32_t(f));
        if (lines.children.empty()) continue;
        const TFamilie& family = chart.Data.Families[f];
        InteractiveFamily entry;
        entry.family = int32_t(f);
        entry.offset = chart.MarriageOffset(int32_t(f));
        if (family.Husband >= 0 && chart.Drawn()[family.Husband])
            entry.father = tree.nodeOf[family.Husband];
        if (family.Wife >= 0 && chart.Drawn()[family.Wife]) entry.mother = tree.nodeOf[family.Wife];
        for (const ChildLineOf& child : lines.children)
            if (tree.nodeOf[child.child] >= 0)
                entry.children.push_back({tree.nodeOf[child.child], child.bend});
        if (!entry.children.empty()) tree.families.push_back(std::move(entry));
    }
}

// The most frequent height; of equally frequent ones the smallest.
int32_t MostFrequentHeight(const InteractiveTree& tree)
{
    std::map<int32_t, int32_t> counts;
    for (const InteractiveNode& node : tree.nodes)
        if (node.person >= 0) ++counts[node.textHeight];
    int32_t best = 0, bestCount = 0;
    for (const auto& [height, count] : counts)
        if (count > bestCount) std::tie(best, bestCount) = std::tie(height, count);
    return best;
}

std::string JoinNumbers(const std::vector<int32_t>& numbers)
{
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i)
        (text += i ? "," : "") += std::to_string(numbers[i]);
    return text;
}

std::string NodeLine(size_t n, const InteractiveNode& node, int32_t standard)
{
    std::string entry =
        "width:" + std::to_string(node.width) + ",depth:" + std::to_string(node.depth);
    if (node.person >= 0) {
        entry += ",sex:'" + std::string(1, node.sex) + "'";
        if (node.textHeight != standard) entry += ",texth:" + std::to_string(node.textHeight);
        if (!node.children.empty()) entry += ",children:[" + JoinNumbers(node.children) + "]";
        if (!node.group.empty()) entry += ",famgrp:[" + JoinNumbers(node.group) + "]";
    }
    return "    nodes[" + std::to_string(n) + "]={" + entry + "};";
}

std::string FamilyLine(const InteractiveFamily& family)
{
    std::string entry;
    if (family.offset != 0) entry += "offset:" + std::to_string(family.offset) + ",";
    if (family.father >= 0) entry += "vater:" + std::to_string(family.father) + ",";
    if (family.mother >= 0) entry += "mutter:" + std::to_string(family.mother) + ",";
    entry += "children:[";
    for (size_t i = 0; i < family.children.size(); ++i) {
        const InteractiveChild& child = family.children[i];
        (entry += i ? ",{" : "{") += "index:" + std::to_string(child.node);
        if (child.bend != 0) entry += ",offset:" + std::to_string(child.bend);
        entry += "}";
    }
    return "    fams[" + std::to_string(family.family) + "]={" + entry + "]};";
}

std::string Variable(const std::string& name, const std::string& value)
{
    return "    var " + name + " = " + value + ";";
}

}  // namespace

InteractiveTree BuildInteractiveTree(const TImage_Vorfahren& chart)
{
    InteractiveTree tree;
    const std::vector<TTetrisVorfahrenNode>& packing = chart.Packing().Nodes();
    tree.nodeOf.assign(chart.Data.Persons.size(), -1);
    tree.nodes.resize(packing.size());
    for (size_t n = 0; n < packing.size(); ++n) {
        const TTetrisVorfahrenNode& source = packing[n];
        InteractiveNode& node = tree.nodes[n];
        node.person = source.Person;
        node.width = source.Size;
        node.depth = source.Level;
        for (int32_t c = source.FirstChild; c >= 0; c = packing[c].NextSibling)
            node.children.push_back(c);
        if (node.person < 0) continue;
        tree.nodeOf[node.person] = int32_t(n);
        node.sex = SexLetter(chart.Data.Persons[node.person].Sex);
        node.textHeight = (int32_t(chart.LabelOf(node.person).size()) + 1) * chart.LineHeight() + 4;
    }
    tree.standardTextHeight = MostFrequentHeight(tree);
    AddGroups(chart, tree);
    AddFamilies(chart, tree);
    return tree;
}

std::vector<std::string> InteractiveDataLines(const TImage_Vorfahren& chart,
                                              const InteractiveTree& tree,
                                              const InteractiveFrame& frame)
{
    const int32_t radius = chart.Settings.Symbol.Radius;
    std::vector<int32_t> gens(chart.RowCount());
    for (int32_t row = 0; row < chart.RowCount(); ++row) gens[row] = chart.RowCoordinate(row);
    std::vector<std::string> lines = {
        Variable("border", std::to_string(chart.Pitch() / 2)),
        Variable("offsetx", std::to_string(frame.origin.x)),
        Variable("offsety", std::to_string(frame.origin.y)),
        Variable("wurzel", "0"),
        Variable("minwidth",
                 std::to_string(std::max(3 * radius, int32_t(chart.Settings.NodeWidth)))),
        Variable("symbolwidth", std::to_string(radius)),
        Variable("standardtexth", std::to_string(tree.standardTextHeight)),
        Variable("guid", "'" + frame.guid + "'"),
        Variable("gens", "[" + JoinNumbers(gens) + "]"),
        Variable("alignment", std::to_string(frame.alignment)),
        Variable("lineheight", std::to_string(frame.lineHeight)),
        Variable("textbaseline", std::to_string(frame.baseline)),
        Variable("plusstroke", frame.filledSymbols ? "'#FFF'" : "'#000'"),
        "    var nodes = [];",
    };
    for (size_t n = 0; n < tree.nodes.size(); ++n)
        lines.push_back(NodeLine(n, tree.nodes[n], tree.standardTextHeight));
    lines.push_back("    var fams = [];");
    for (const InteractiveFamily& family : tree.families) lines.push_back(FamilyLine(family));
    return lines;
}

std::string NewDocumentGuid()
{
    return QUuid::createUuid().toString(QUuid::WithBraces).toUpper().toStdString();
}

}  // namespace qv
