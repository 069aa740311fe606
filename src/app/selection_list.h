// The "Ausgewählte" list of the main window: its items in order and the flags they mirror.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/relationship_query.h"
#include "data/ahnen_data.h"
#include "data/selection_state.h"

namespace qv {

// "Id - Surname, GivenNames"; an empty or all-blank name shows as "?".
std::string SelectionItemText(const TPerson& person);

// Keeps the visible list and the Selected flags of the settings in step: every selected
// person appears once, in the order it was first added.
class SelectionList {
public:
    explicit SelectionList(SelectionState& state) : m_state(state) {}

    const std::vector<int64_t>& Items() const { return m_items; }

    // The add-to-selection service: false when the person is already selected.
    bool Add(int64_t person);
    // Adds everybody the query reaches from the start persons; returns how many were new.
    int64_t AddRelatives(const TAhnenData& data, RelationshipQuery query,
                         const std::vector<int64_t>& starts);
    // Empties the list and unselects everybody (a new file was opened).
    void Clear();

    // The list's own highlight, on which "Entfernen" acts.
    void SetHighlighted(size_t item, bool highlighted);
    bool IsHighlighted(size_t item) const;
    // "Alle markieren": highlights every item; nothing else changes.
    void HighlightAll();
    // "Entfernen": removes the highlighted items and unselects their persons.
    void RemoveHighlighted();

    // The page caption: "Ausgewählte", or "Ausgewählte (n)" when the list is not empty.
    std::string Caption() const;

private:
    SelectionState& m_state;
    std::vector<int64_t> m_items;
    std::vector<bool> m_highlighted;
};

}  // namespace qv
