// Building and querying the flat GEDCOM line tree.
#include "data/gedcom_tree.h"

#include "data/gedcom_line.h"

namespace qv {

TGedcom::TGedcom(std::string bytes)
    : m_bytes(std::make_unique<std::string>(std::move(bytes))), m_nodes(1)
{
}

void TGedcom::Reserve(size_t nodes) { m_nodes.reserve(nodes); }

int32_t TGedcom::AddNode(int32_t parent, int32_t previousSibling, int8_t level,
                         std::string_view line)
{
    auto index = static_cast<int32_t>(m_nodes.size());
    TGedcomNode& node = m_nodes.emplace_back();
    node.Level = level;
    node.SetLine(line);
    if (previousSibling < 0)
        m_nodes[parent].FirstChild = index;
    else
        m_nodes[previousSibling].NextSibling = index;
    return index;
}

void TGedcom::ReplaceLine(int32_t index, std::string text)
{
    m_ownedLines.push_back(std::move(text));
    m_nodes[index].SetLine(m_ownedLines.back());
}

std::string TGedcom::GetCharSet() const
{
    if (!m_charSet.empty()) return m_charSet;
    for (int32_t top : Children(kRoot)) {
        if (LineTag(m_nodes[top].Line()) != "HEAD") continue;
        for (int32_t child : Children(top)) {
            if (LineTag(m_nodes[child].Line()) == "CHAR") {
                m_charSet = std::string(LineValue(m_nodes[child].Line()));
                return m_charSet;
            }
        }
        break;
    }
    return {};
}

}  // namespace qv
