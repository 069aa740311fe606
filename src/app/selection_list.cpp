// Adding to and removing from the selection list.
#include "app/selection_list.h"

#include "data/text_lines.h"

namespace qv {
namespace {

std::string OrQuestionMark(const std::string& text)
{
    return TrimBlanks(text).empty() ? "?" : text;
}

}  // namespace

std::string SelectionItemText(const TPerson& person)
{
    return person.Id + " - " + OrQuestionMark(person.Surname) + ", " +
           OrQuestionMark(person.GivenNames);
}

bool SelectionList::Add(int64_t person)
{
    if (person < 0 || m_state.IsSelected(person)) return false;
    m_items.push_back(person);
    m_highlighted.push_back(false);
    m_state.SetSelected(person, true);
    return true;
}

int64_t SelectionList::AddRelatives(const TAhnenData& data, RelationshipQuery query,
                                    const std::vector<int64_t>& starts)
{
    int64_t added = 0;
    for (int64_t person : QueryRelatives(data, query, starts)) added += Add(person) ? 1 : 0;
    return added;
}

void SelectionList::Clear()
{
    m_items.clear();
    m_highlighted.clear();
    m_state.ClearSelection();
}

void SelectionList::SetHighlighted(size_t item, bool highlighted)
{
    if (item < m_highlighted.size()) m_highlighted[item] = highlighted;
}

bool SelectionList::IsHighlighted(size_t item) const
{
    return item < m_highlighted.size() && m_highlighted[item];
}

void SelectionList::HighlightAll()
{
    m_highlighted.assign(m_items.size(), true);
}

void SelectionList::RemoveHighlighted()
{
    // One pass keeping the others in order: removing item by item would be quadratic.
    size_t kept = 0;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_highlighted[i]) {
            m_state.SetSelected(m_items[i], false);
            continue;
        }
        m_items[kept++] = m_items[i];
    }
    m_items.resize(kept);
    m_highlighted.assign(kept, false);
}

std::string SelectionList::Caption() const
{
    if (m_items.empty()) return "Ausgewählte";
    return "Ausgewählte (" + std::to_string(m_items.size()) + ")";
}

}  // namespace qv
