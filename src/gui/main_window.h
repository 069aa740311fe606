// The main window: person grid, reference persons, selection list, progress line, menus.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>

#include "app/image_settings.h"
#include "app/output_counts.h"
#include "app/relationship_query.h"
#include "app/selection_list.h"
#include "calc/family_document.h"
#include "data/ahnen_data.h"
#include "gui/user_dialogs.h"

class QMenu;
class QTabWidget;

namespace qv {

class ContextHelp;
class FrequencyDialog;
class PersonDetailsWindow;
class PersonGrid;
class ProgressLine;
class ReferencePanel;
class SelectionPage;
class PreviewWindow;
class TableSettingsDialog;
class TMiniAhnentafel;
class TreeChartDialog;
class TriangleDialog;
class CircleChartDialog;


class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const QString& programDirectory, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a GEDCOM file or sibling list (from a dialog, the recent files, the command line
    // or a drop). A path where no file exists is reported and changes nothing; reading errors
    // are shown and leave the program without data.
    void OpenDataFile(const QString& path);
    const TAhnenData* Data() const { return m_document ? &m_document->Data() : nullptr; }
    // The path of the loaded file; empty while none is loaded.
    const QString& DataPath() const { return m_dataPath; }
    // The opened file with its calculation engine, or none.
    FamilyDocument* Document() { return m_document.get(); }
    const TAhnenData& ExampleData() const { return m_example; }
    TImageSettings& Settings() { return m_settings; }
    const SelectionState& Selection() const { return m_settings; }
    const std::vector<std::string>& RecentFiles() const { return m_settings.MostRecentlyUsed; }

    void SetProband(int64_t person);
    void SetKekuleOne(int64_t person);
    // Adds what the query reaches from the start persons to the selection list.
    void AddToSelection(RelationshipQuery query, const std::vector<int64_t>& starts);
    void EnterBusy();
    void LeaveBusy();

    PersonGrid& Grid() { return *m_grid; }
    SelectionPage& SelectedList() { return *m_selected; }
    ProgressLine& Progress() { return *m_progress; }
    ReferencePanel& References() { return *m_references; }
    QTabWidget& RightPages() { return *m_rightPages; }
    QMenu& RecentMenu() { return *m_openMenu; }
    QMenu& OutputMenu() { return *m_outputMenu; }
    TreeChartDialog& TreeDialog() { return *m_treeDialog; }
    CircleChartDialog& CircleDialog() { return *m_circleDialog; }
    TriangleDialog& TriangleSettingsDialog() { return *m_triangleDialog; }
    PreviewWindow& Preview() { return *m_preview; }
    TMiniAhnentafel& MiniAncestors() { return *m_miniAncestors; }
    ContextHelp& Help() { return *m_help; }
    PersonDetailsWindow& Details() { return *m_details; }
    TableSettingsDialog& PersonTableDialog() { return *m_personTableDialog; }
    TableSettingsDialog& GenerationTableDialog() { return *m_generationTableDialog; }
    FrequencyDialog& DiagramDialog() { return *m_frequencyDialog; }
    // "Details anzeigen": the details window for the person, shown modally.
    void ShowDetails(int64_t person);
    // Selects the person's row alone and scrolls to it, which centres the mini ancestor
    // table there; persons the filters hide are left alone.
    void CentreOnPerson(int64_t person);
    // Shows the 62-generation notice once per opened file, after an output met it: the
    // calculation engine, or the output itself (outputCut).
    void NoteDepthCut(bool outputCut = false);

    // The output commands of the "Ausgabe" menu.
    void MakeTreeChart();
    void MakeCircleChart();
    void MakeTriangleDiagram();
    void MakeSiblingList();
    void MakePersonTable();
    void MakeGenerationTable();
    void Show3D();
    // "Diagramm": present in the menu but hidden.
    void MakeFrequencyDiagram();

    // Messages, questions and file dialogs: widgets by default, scripted answers in tests.
    UserDialogs& Dialogs() { return *m_dialogs; }
    void SetDialogs(std::unique_ptr<UserDialogs> dialogs) { m_dialogs = std::move(dialogs); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void BuildLayout();
    void BuildHelp(QMenu& helpMenu);
    void RebuildRecentMenu();
    void ResetSelection();
    // Back to no data: empty grid, no proband, no selection, the bare title.
    void CloseDataFile();
    void ChooseAndOpen(const QString& filter);
    void ShowGridMenu(int64_t person, const QPoint& globalPosition);
    void OnGridDoubleClick(int64_t person);
    void UpdateSelectionCaption();
    void UpdateListCaption(int count);
    void ShowPreview();
    // Keeps the figures of a written output for its completion message; false when cancelled.
    bool NoteCounts(const std::optional<OutputCounts>& counts);

    QString m_programDirectory;
    std::unique_ptr<FamilyDocument> m_document;
    QString m_dataPath;
    TAhnenData m_example;
    TImageSettings m_settings;
    SelectionList m_selectionList{m_settings};
    bool m_configLoaded = false;
    bool m_depthCutShown = false;
    bool m_busy = false;
    OutputCounts m_outputCounts;
    std::unique_ptr<UserDialogs> m_dialogs;

    PersonGrid* m_grid = nullptr;
    QTabWidget* m_leftPages = nullptr;
    QTabWidget* m_rightPages = nullptr;
    ReferencePanel* m_references = nullptr;
    SelectionPage* m_selected = nullptr;
    TMiniAhnentafel* m_miniAncestors = nullptr;
    ContextHelp* m_help = nullptr;
    PersonDetailsWindow* m_details = nullptr;
    ProgressLine* m_progress = nullptr;
    QMenu* m_openMenu = nullptr;
    QMenu* m_outputMenu = nullptr;
    TreeChartDialog* m_treeDialog = nullptr;
    CircleChartDialog* m_circleDialog = nullptr;
    TriangleDialog* m_triangleDialog = nullptr;
    PreviewWindow* m_preview = nullptr;
    TableSettingsDialog* m_personTableDialog = nullptr;
    TableSettingsDialog* m_generationTableDialog = nullptr;
    FrequencyDialog* m_frequencyDialog = nullptr;
    std::vector<QAction*> m_recentActions;
};

}  // namespace qv
