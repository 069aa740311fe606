// The settings dialogs of the two metric tables: column definitions with captions,
// content templates and (for persons) sort marks.
#pragma once

#include <QDialog>

#include "app/image_settings.h"

class QListWidget;
class QSpinBox;
class QTableWidget;

namespace qv {

class TableSettingsDialog : public QDialog {
    Q_OBJECT

public:
    enum class Kind { Persons, Generations };
    TableSettingsDialog(Kind kind, TImageSettings& settings, QWidget* parent = nullptr);

    // Loads the controls from the settings (when shown, and after structural edits).
    void Fill();

    QSpinBox& ColumnCount() { return *m_count; }
    QTableWidget& Grid() { return *m_grid; }
    QListWidget& Placeholders() { return *m_placeholders; }
    void ClickSortMark(int row);
    void MoveCurrentRow(int delta);
    void AppendPlaceholder(const QString& placeholder);

private:
    void WriteBack();
    void SetColumnCount(int count);
    int RowCount() const;
    bool Sorting() const { return m_kind == Kind::Persons; }

    Kind m_kind;
    TImageSettings& m_settings;
    bool m_filling = false;
    QSpinBox* m_count;
    QTableWidget* m_grid;
    QListWidget* m_placeholders;
};

}  // namespace qv
