// The main window's part of the context help: topics of its controls and dialogs, and the
// entries of the "Hilfe" menu.
#include <QDir>
#include <QMenu>
#include <QTabWidget>

#include "app/help_topics.h"
#include "app/install_layout.h"
#include "app/qt_text.h"
#include "gui/circle_chart_dialog.h"
#include "gui/context_help.h"
#include "gui/main_window.h"
#include "gui/mini_ahnentafel.h"
#include "gui/person_grid.h"
#include "gui/progress_line.h"
#include "gui/reference_panel.h"
#include "gui/selection_page.h"
#include "gui/table_settings_dialog.h"
#include "gui/tree_chart_dialog.h"
#include "gui/triangle_dialog.h"

namespace qv {

void MainWindow::BuildHelp(QMenu& helpMenu)
{
    std::string data = DataDirectory(Utf8FromQString(m_programDirectory));
    m_help = new ContextHelp(QDir(QStringFromUtf8(data)).filePath(kHelpFolder), this);
    m_help->Register(m_grid, kHelpPersonList);
    m_help->Register(m_miniAncestors, kHelpMiniTable);
    m_help->Register(m_references, kHelpReferencePersons);
    m_help->Register(m_selected, kHelpSelectedPersons);
    m_help->Register(m_progress, kHelpProgress);
    m_help->Register(m_leftPages->cornerWidget(Qt::TopRightCorner), kHelpButton);
    BindDialogHelp(*m_help, *m_treeDialog, HelpDialog::TreeChart);
    BindDialogHelp(*m_help, *m_triangleDialog, HelpDialog::Triangle);
    BindDialogHelp(*m_help, *m_circleDialog, HelpDialog::CircleChart);
    BindDialogHelp(*m_help, *m_personTableDialog, HelpDialog::PersonTable);
    BindDialogHelp(*m_help, *m_generationTableDialog, HelpDialog::GenerationTable);

    helpMenu.addAction("Inhalt", this, [this] { m_help->OpenTopic(kHelpContents); });
    helpMenu.addAction("Quickstart", this, [this] { m_help->OpenTopic(kHelpQuickstart); });
    helpMenu.addAction("Tipps und Tricks", this, [this] { m_help->OpenTopic(kHelpTips); });
}

}  // namespace qv
