// Main window construction, opening files and the person-level commands.
#include "gui/main_window.h"

#include <cerrno>
#include <memory>

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "data/data_file.h"
#include "data/error.h"
#include "data/example_family.h"
#include "data/file_bytes.h"
#include "app/config_location.h"
#include "app/install_layout.h"
#include "app/program_identity.h"
#include "app/qt_text.h"
#include "app/recent_files.h"
#include "app/relationship_query_names.h"
#include "charts/frequency/diagram_data.h"
#include "charts/tree/template_texts.h"
#include "charts/tree/tree_chart_file.h"
#include "tables/frequency_diagram_file.h"
#include "tables/generation_table.h"
#include "tables/person_table.h"
#include "tables/sibling_list_output.h"
#include "gui/about_dialog.h"
#include "gui/circle_chart_dialog.h"
#include "gui/context_help.h"
#include "gui/dropped_file.h"
#include "gui/frequency_dialog.h"
#include "gui/mini_ahnentafel.h"
#include "gui/output_command.h"
#include "gui/person_details_window.h"
#include "gui/person_grid.h"
#include "gui/preview_window.h"
#include "gui/progress_line.h"
#include "gui/reference_panel.h"
#include "gui/selection_page.h"
#include "gui/table_settings_dialog.h"
#include "gui/tree_chart_dialog.h"
#include "gui/triangle_dialog.h"
#include "gui/user_dialogs.h"
#include "gui/view3d_command.h"

namespace qv {
namespace {

QString DroppableFile(const QDropEvent& event)
{
    if (!(event.possibleActions() & Qt::CopyAction)) return {};
    return DroppedDataFile(*event.mimeData());
}

}  // namespace

MainWindow::MainWindow(const QString& programDirectory, QWidget* parent)
    : QMainWindow(parent),
      m_programDirectory(programDirectory),
      m_example(LoadExampleFamily(DataDirectory(Utf8FromQString(programDirectory))))
{
    m_dialogs = std::make_unique<WidgetDialogs>(this);
    setWindowTitle("Quilvane");
    BuildLayout();
    BuildMenus();
    resize(1100, 700);
    setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildLayout()
{
    auto* splitter = new QSplitter(this);
    m_leftPages = new QTabWidget(splitter);
    m_grid = new PersonGrid(m_leftPages);
    m_leftPages->addTab(m_grid, "Personenliste (0)");
    // "?" starts the context help: the marker is dragged onto the control to explain.
    m_leftPages->setCornerWidget(new HelpMarkerButton(m_leftPages), Qt::TopRightCorner);

    auto* right = new QWidget(splitter);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_rightPages = new QTabWidget(right);
    m_references = new ReferencePanel(m_rightPages);
    m_selected = new SelectionPage(m_selectionList, m_rightPages);
    m_rightPages->addTab(m_references, "Bezugspersonen");
    m_rightPages->addTab(m_selected, "Ausgewählte");
    // The mini ancestor table is hidden while the selection list is shown.
    m_miniAncestors = new TMiniAhnentafel(right);
    rightLayout->addWidget(m_rightPages);
    rightLayout->addWidget(m_miniAncestors, 1);
    splitter->addWidget(m_leftPages);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    m_progress = new ProgressLine(this);
    m_treeDialog = new TreeChartDialog(m_settings, *m_dialogs, this);
    m_triangleDialog = new TriangleDialog(m_settings, *m_dialogs, this);
    m_preview = new PreviewWindow(m_programDirectory, this);
    m_circleDialog = new CircleChartDialog(m_settings, *m_dialogs, this);
    connect(m_treeDialog, &TreeChartDialog::PreviewRequested, this, &MainWindow::ShowPreview);
    connect(m_treeDialog, &TreeChartDialog::SettingsChanged, this, [this] {
        if (m_preview->isVisible()) m_preview->RequestPicture(m_settings);
    });
    m_personTableDialog = new TableSettingsDialog(TableSettingsDialog::Kind::Persons, m_settings, this);
    m_generationTableDialog =
        new TableSettingsDialog(TableSettingsDialog::Kind::Generations, m_settings, this);
    m_frequencyDialog = new FrequencyDialog(m_settings, this);
    m_details = new PersonDetailsWindow(
        m_settings, [this]() -> UserDialogs& { return *m_dialogs; }, this);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_progress);
    setCentralWidget(central);

    connect(m_rightPages, &QTabWidget::currentChanged, this,
            [this](int page) { m_miniAncestors->setVisible(page == 0); });
    connect(&m_grid->Model(), &PersonTableModel::Refilled, this, &MainWindow::UpdateListCaption);
    connect(m_grid, &PersonGrid::PersonDoubleClicked, this, &MainWindow::OnGridDoubleClick);
    connect(m_grid, &PersonGrid::PersonContextMenu, this, &MainWindow::ShowGridMenu);
    connect(m_selected, &SelectionPage::SelectionChanged, this, &MainWindow::UpdateSelectionCaption);
    connect(m_grid, &PersonGrid::CurrentPersonChanged, m_miniAncestors,
            &TMiniAhnentafel::SetCentre);
    connect(m_miniAncestors, &TMiniAhnentafel::PersonClicked, this, &MainWindow::CentreOnPerson);
}

void MainWindow::BuildMenus()
{
    m_openMenu = menuBar()->addMenu("Datei öffnen");
    m_openMenu->addAction("GEDCOM", this, [this] { ChooseAndOpen("Gedcom-Datei (*.ged)"); });
    m_openMenu->addAction("Verschwisterungsliste", this,
                          [this] { ChooseAndOpen("Text-Datei (*.txt)"); });
    m_outputMenu = menuBar()->addMenu("Ausgabe");
    m_outputMenu->addAction("Ahnentafel/Ostrelle", this, &MainWindow::MakeTreeChart);
    m_outputMenu->addAction("Kreisahnentafel", this, &MainWindow::MakeCircleChart);
    m_outputMenu->addAction("Dreiecksdiagramm", this, &MainWindow::MakeTriangleDiagram);
    m_outputMenu->addAction("Verschwisterungsliste", this, &MainWindow::MakeSiblingList);
    QMenu* tables = m_outputMenu->addMenu("Kennwert-Tabelle");
    tables->addAction("ausgewählte Personen", this, &MainWindow::MakePersonTable);
    tables->addAction("Generationen", this, &MainWindow::MakeGenerationTable);
    m_outputMenu->addAction("3D", this, &MainWindow::Show3D);
    m_outputMenu->addAction("Diagramm", this, &MainWindow::MakeFrequencyDiagram)->setVisible(false);
    QMenu* help = menuBar()->addMenu("Hilfe");
    BuildHelp(*help);
    help->addAction("Info", this, [this] { AboutDialog(this).exec(); });
}

void MainWindow::ChooseAndOpen(const QString& filter)
{
    QString path = QFileDialog::getOpenFileName(
        this, QString(), QStringFromUtf8(m_settings.OpenDirectory), filter);
    if (path.isEmpty()) return;
    m_settings.OpenDirectory = Utf8FromQString(QFileInfo(path).absolutePath());
    OpenDataFile(path);
}

void MainWindow::RebuildRecentMenu()
{
    for (QAction* action : m_recentActions) {
        m_openMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    if (m_settings.MostRecentlyUsed.empty()) return;
    m_recentActions.push_back(m_openMenu->addSeparator());
    for (const std::string& path : m_settings.MostRecentlyUsed) {
        QString file = QStringFromUtf8(path);
        m_recentActions.push_back(m_openMenu->addAction(
            QStringFromUtf8(RecentFileCaption(path)), this, [this, file] { OpenDataFile(file); }));
    }
}

void MainWindow::ResetSelection()
{
    m_settings.ProbandIndex = -1;
    m_settings.KekuleOneIndex = -1;
    m_references->ShowProband(nullptr, -1);
    m_references->ShowKekuleOne(nullptr, -1);
    for (int c = 0; c < kPersonColumnCount; ++c) {
        QSignalBlocker block(m_grid->FilterEdit(c));
        m_grid->FilterEdit(c)->clear();
        m_grid->FilterEdit(c)->hide();
    }
    m_selectionList.Clear();
    m_selected->Refresh(nullptr);
}

void MainWindow::OpenDataFile(const QString& path)
{
    std::string file = Utf8FromQString(path);
    // A file that is gone (a stale recent entry) or a folder is reported; the loaded file stays.
    QFileInfo info(path);
    if (!info.isFile()) {
        int reason = !info.exists() ? ENOENT : info.isDir() ? EISDIR : EINVAL;
        m_dialogs->ShowError(QStringFromUtf8(CannotOpenMessage(file, reason)));
        return;
    }
    CloseDataFile();
    try {
        m_document =
            std::make_unique<FamilyDocument>(qv::OpenDataFile(file), m_progress->Callback());
        m_depthCutShown = false;
    } catch (const Error& e) {
        m_dialogs->ShowError(QStringFromUtf8(e.what()));
        return;
    }
    m_dataPath = path;
    m_miniAncestors->SetData(Data());
    m_grid->Model().SetPersons(Data());
    m_selected->Refresh(Data());
    setWindowTitle("Quilvane - " + path);
    RecordRecentFile(m_settings.MostRecentlyUsed, file);
    RebuildRecentMenu();
    // A sibling list's person 0 carries Kekule number 1.
    if (IsSiblingListFile(file)) {
        SetProband(0);
        SetKekuleOne(0);
    }
    for (const std::string& warning : Data()->Warnings)
        m_dialogs->ShowWarning(QStringFromUtf8(warning));
}

void MainWindow::CloseDataFile()
{
    ResetSelection();
    m_grid->Model().SetPersons(nullptr);
    m_miniAncestors->SetData(nullptr);
    m_document.reset();
    m_dataPath.clear();
    setWindowTitle("Quilvane");
}

void MainWindow::SetProband(int64_t person)
{
    m_settings.ProbandIndex = person;
    m_references->ShowProband(Data(), person);
}

void MainWindow::SetKekuleOne(int64_t person)
{
    m_settings.KekuleOneIndex = person;
    m_references->ShowKekuleOne(Data(), m_settings.GetKekuleOne());
}

void MainWindow::AddToSelection(RelationshipQuery query, const std::vector<int64_t>& starts)
{
    if (!Data()) return;
    m_selectionList.AddRelatives(*Data(), query, starts);
    m_selected->Refresh(Data());
}

void MainWindow::ShowGridMenu(int64_t person, const QPoint& globalPosition)
{
    if (!Data() || m_busy) return;
    QMenu menu(this);
    menu.addAction("als Proband wählen", this, [this, person] { SetProband(person); })
        ->setEnabled(person >= 0);
    menu.addAction("als Kekulenr. 1 festlegen", this, [this, person] { SetKekuleOne(person); })
        ->setEnabled(person >= 0);
    QMenu* add = menu.addMenu("Personen zur Auswahlliste hinzufügen");
    for (const RelationshipQueryName& entry : kRelationshipQueryNames) {
        add->addAction(entry.caption, this, [this, query = entry.query] {
            AddToSelection(query, m_grid->SelectedPersons());
        });
    }
    menu.addAction("Details anzeigen", this, [this, person] { ShowDetails(person); })
        ->setEnabled(person >= 0);
    menu.exec(globalPosition);
}

void MainWindow::ShowDetails(int64_t person)
{
    if (!m_document || person < 0) return;
    if (m_details->ShowPerson(*m_document, person)) m_details->exec();
}

void MainWindow::CentreOnPerson(int64_t person)
{
    PersonTableModel& model = m_grid->Model();
    for (int row = 0; row < model.ListedCount(); ++row) {
        if (model.PersonAt(row) != person) continue;
        m_grid->clearSelection();
        m_grid->selectRow(row);
        m_grid->scrollTo(model.index(row, 0));
        return;
    }
}

void MainWindow::OnGridDoubleClick(int64_t person)
{
    if (!Data() || m_busy || person < 0) return;
    if (m_rightPages->currentIndex() == 0) {
        SetProband(person);
        SetKekuleOne(person);
    } else {
        AddToSelection(RelationshipQuery::Marked, {person});
    }
}

void MainWindow::UpdateSelectionCaption()
{
    m_rightPages->setTabText(1, QStringFromUtf8(m_selectionList.Caption()));
}

void MainWindow::UpdateListCaption(int count)
{
    m_leftPages->setTabText(0, QString("Personenliste (%1)").arg(count));
}

void MainWindow::EnterBusy()
{
    m_busy = true;
    menuBar()->setEnabled(false);
    m_rightPages->setEnabled(false);
    m_progress->SetCancelVisible(true);
}

void MainWindow::LeaveBusy()
{
    m_busy = false;
    menuBar()->setEnabled(true);
    m_rightPages->setEnabled(true);
    m_progress->SetCancelVisible(false);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_configLoaded) return;
    m_configLoaded = true;
    LoadConfigIni(m_settings, Utf8FromQString(m_programDirectory));
    RebuildRecentMenu();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_progress->CancelRequested = true;
    // Unwritable settings are not worth a message at shut-down.
    SaveConfigIni(m_settings, Utf8FromQString(m_programDirectory));
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (m_busy || DroppableFile(*event).isEmpty()) {
        event->ignore();
        return;
    }
    // Copy, never move: a file manager would delete the file after a moving drop.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    QString path = DroppableFile(*event);
    if (m_busy || path.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Opened after the drop has finished, so the dragging program does not wait on a message box.
    QTimer::singleShot(0, this, [this, path] {
        if (!m_busy) OpenDataFile(path);
    });
}

void MainWindow::ShowPreview()
{
    m_preview->show();
    m_preview->raise();
    m_preview->RequestPicture(m_settings);
}

void MainWindow::NoteDepthCut(bool outputCut)
{
    if (m_depthCutShown || !m_document) return;
    if (!outputCut && !m_document->Calc().DepthCut()) return;
    m_depthCutShown = true;
    m_dialogs->ShowWarning(kDepthCutWarning);
}

bool MainWindow::NoteCounts(const std::optional<OutputCounts>& counts)
{
    if (counts) m_outputCounts = *counts;
    return counts.has_value();
}

void MainWindow::MakeTreeChart()
{
    OutputCommand command;
    command.formats = kTreeChartFormats;
    command.needsSelection = [this] { return m_settings.Tree.TreeType == 2; };
    command.settingsDialog = [this] {
        m_treeDialog->Fill();
        return m_dialogs->RunDialog(*m_treeDialog);
    };
    command.work = [this](const std::string& path, int filterIndex,
                          const ProgressCallback& progress) {
        const TreeChartTexts texts = TemplateTexts(m_document->Calc(), m_settings);
        const int format = kTreeChartFormats[size_t(filterIndex)];
        const bool interactive =
            format == kFormatSvgInteractive || format == kFormatHtmlInteractive;
        return NoteCounts(WriteTreeChart(*Data(), m_settings, texts, path, ProgramIdentification(),
                                         progress, interactive));
    };
    command.countLines = [this] {
        return QStringList{QString("Personen: %1").arg(m_outputCounts.persons)};
    };
    command.question = "Bild anzeigen?";
    RunOutputCommand(*this, command);
}

void MainWindow::MakeSiblingList()
{
    OutputCommand command;
    command.formats = kSiblingListFormats;
    command.busyMode = false;
    auto depthCut = std::make_shared<bool>(false);
    command.work = [this, depthCut](const std::string& path, int,
                                    const ProgressCallback& progress) {
        return NoteCounts(
            WriteSiblingList(*Data(), m_settings.ProbandIndex, path, progress, depthCut.get()));
    };
    command.depthCut = [depthCut] { return *depthCut; };
    command.countLines = [this] {
        return QStringList{QString("Geschwisterpaare: %1").arg(m_outputCounts.siblingPairs),
                           QString("Personen: %1").arg(m_outputCounts.persons)};
    };
    RunOutputCommand(*this, command);
}

void MainWindow::MakePersonTable()
{
    OutputCommand command;
    command.formats = kTableFormats;
    command.needsSelection = [] { return true; };
    command.selectionBeforeDialog = true;
    command.settingsDialog = [this] {
        m_personTableDialog->Fill();
        return m_dialogs->RunDialog(*m_personTableDialog);
    };
    command.work = [this](const std::string& path, int, const ProgressCallback& progress) {
        return BuildPersonTable(m_document->Calc(), m_settings, path, progress);
    };
    command.countLines = [this] {
        return QStringList{QString("Personen: %1").arg(m_settings.SelectedCount())};
    };
    RunOutputCommand(*this, command);
}

void MainWindow::MakeGenerationTable()
{
    OutputCommand command;
    command.formats = kTableFormats;
    command.settingsDialog = [this] {
        m_generationTableDialog->Fill();
        return m_dialogs->RunDialog(*m_generationTableDialog);
    };
    command.work = [this](const std::string& path, int, const ProgressCallback& progress) {
        return BuildGenerationTable(m_document->Calc(), m_settings, path, progress);
    };
    RunOutputCommand(*this, command);
}

void MainWindow::Show3D() { Show3DView(*this); }

void MainWindow::MakeFrequencyDiagram()
{
    OutputCommand command;
    command.formats = {kFormatXlsx, kFormatPng, kFormatSvg, kFormatPdf};
    command.needsSelection = [] { return true; };
    command.selectionBeforeDialog = true;
    command.busyMode = false;
    command.settingsDialog = [this] {
        const int64_t persons = m_settings.SelectedCount();
        if (persons > kDiagramPersonsAdvised &&
            !m_dialogs->ConfirmWarning(
                QStringFromUtf8(TooManyPersonsWarning(persons)).replace("\r\n", "\n")))
            return false;
        m_frequencyDialog->Fill();
        return m_dialogs->RunDialog(*m_frequencyDialog);
    };
    command.work = [this](const std::string& path, int, const ProgressCallback& progress) {
        return WriteFrequencyDiagram(m_document->Calc(), m_settings, path,
                                     ProgramIdentification(), progress);
    };
    command.countLines = [this] {
        return QStringList{QString("Personen: %1").arg(m_settings.SelectedCount())};
    };
    RunOutputCommand(*this, command);
}

}  // namespace qv
