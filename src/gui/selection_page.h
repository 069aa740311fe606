// The "Ausgewählte" page: the persons selected for outputs, in the order they were added.
#pragma once

#include <QListWidget>

#include "data/selection_state.h"

namespace qv {

class TAhnenData;

class SelectionPage : public QListWidget {
    Q_OBJECT

public:
    SelectionPage(SelectionState& state, QWidget* parent = nullptr);

    // False when the person is already selected.
    bool AddPerson(const TAhnenData& data, int64_t person);
    // Removes the marked items ("Entfernen").
    void RemoveMarked();
    void Clear();
    std::vector<int64_t> Persons() const;

signals:
    void SelectionChanged(int count);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    SelectionState& m_state;
};

// "I12 - Müller, Hans": blank names show as "?".
QString SelectionItemText(const TAhnenData& data, int64_t person);

}  // namespace qv
