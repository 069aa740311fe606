// The ancestor chart as the script of the interactive document sees it: the numbered nodes of
// the packing tree, the families between them, and the variable and data lines of the script.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "charts/tree/image_vorfahren.h"

namespace qv {

struct InteractiveNode {
    int64_t person = -1;  // -1 for a spacer
    int32_t width = 0;    // the slot across
    int32_t depth = 0;    // the row
    char sex = 'U';
    // The height of the person's line-hover box: its label lines and a caption line.
    int32_t textHeight = 0;
    std::vector<int32_t> children;  // the nodes above it in the packing tree
    // The nodes of its father's marriage group (the mother's when the father has no node),
    // without its own children.
    std::vector<int32_t> group;
};

struct InteractiveChild {
    int32_t node = 0;
    int32_t bend = 0;  // the bend level of its line, 0 for a straight line
};

struct InteractiveFamily {
    int32_t family = 0;
    int32_t offset = 0;   // the marriage offset, along
    int32_t father = -1;  // node numbers, -1 when not drawn
    int32_t mother = -1;
    std::vector<InteractiveChild> children;
};

struct InteractiveTree {
    // Node n is node n of the packing: the root (the proband) is 0.
    std::vector<InteractiveNode> nodes;
    std::vector<int32_t> nodeOf;  // per person, -1 for none
    // Families with a drawn parent and a drawn child, in family order.
    std::vector<InteractiveFamily> families;
    // The line-hover box height that most drawn persons have.
    int32_t standardTextHeight = 0;
};

// The chart must be laid out.
InteractiveTree BuildInteractiveTree(const TImage_Vorfahren& chart);

// What the script needs besides the tree, in document pixels.
struct InteractiveFrame {
    Point origin;  // the chart's origin in the document
    std::string guid;
    int32_t alignment = 0;
    int32_t lineHeight = 0;
    // The distance of a text line's baseline below its top.
    int32_t baseline = 0;
    bool filledSymbols = true;
};

// The script's variables ("    var border = …;" …) and its node and family data, one line
// each.
std::vector<std::string> InteractiveDataLines(const TImage_Vorfahren& chart,
                                              const InteractiveTree& tree,
                                              const InteractiveFrame& frame);

// A new document's cookie name: a GUID in its text form with braces.
std::string NewDocumentGuid();

}  // namespace qv
