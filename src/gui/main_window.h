// The main window: person grid, reference persons, selection list, progress line, menus.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "data/ahnen_data.h"
#include "data/selection_state.h"

class QFrame;
class QMenu;
class QTabWidget;

namespace qv {

class PersonGrid;
class ProgressLine;
class ReferencePanel;
class SelectionPage;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const QString& programDirectory, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a GEDCOM file; does nothing when no file exists at path. Reading errors are
    // shown and leave the program without data.
    void OpenDataFile(const QString& path);
    const TAhnenData* Data() const { return m_data.get(); }
    const TAhnenData& ExampleData() const { return m_example; }
    SelectionState& Selection() { return m_selection; }
    const std::vector<std::string>& RecentFiles() const { return m_recentFiles; }

    void SetProband(int64_t person);
    void SetKekuleOne(int64_t person);
    void AddToSelection(const std::vector<int64_t>& persons);
    void EnterBusy();
    void LeaveBusy();

    PersonGrid& Grid() { return *m_grid; }
    SelectionPage& SelectedList() { return *m_selected; }
    ProgressLine& Progress() { return *m_progress; }
    ReferencePanel& References() { return *m_references; }
    QTabWidget& RightPages() { return *m_rightPages; }
    QMenu& RecentMenu() { return *m_openMenu; }

    // Where messages go: message boxes by default, a recorder in tests.
    using MessageHandler = std::function<void(const QString& text, bool error)>;
    void SetMessageHandler(MessageHandler handler) { m_showMessage = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildLayout();
    void RebuildRecentMenu();
    void ResetSelection();
    void ChooseAndOpen(const QString& filter);
    void ShowGridMenu(int64_t person, const QPoint& globalPosition);
    void OnGridDoubleClick(int64_t person);
    void UpdateSelectionCaption(int count);
    void UpdateListCaption(int count);

    std::unique_ptr<TAhnenData> m_data;
    TAhnenData m_example;
    SelectionState m_selection;
    std::vector<std::string> m_recentFiles;
    QString m_openDirectory;
    bool m_busy = false;
    MessageHandler m_showMessage;

    PersonGrid* m_grid = nullptr;
    QTabWidget* m_leftPages = nullptr;
    QTabWidget* m_rightPages = nullptr;
    ReferencePanel* m_references = nullptr;
    SelectionPage* m_selected = nullptr;
    QFrame* m_miniAncestors = nullptr;
    ProgressLine* m_progress = nullptr;
    QMenu* m_openMenu = nullptr;
    std::vector<QAction*> m_recentActions;
};

}  // namespace qv
