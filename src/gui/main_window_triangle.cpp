// The "Dreiecksdiagramm" command of the main window.
#include "app/program_identity.h"
#include "app/save_formats.h"
#include "charts/triangle/triangle_file.h"
#include "gui/main_window.h"
#include "gui/output_command.h"
#include "gui/triangle_dialog.h"

namespace qv {

void MainWindow::MakeTriangleDiagram()
{
    OutputCommand command;
    command.formats = {kFormatBmp, kFormatPng, kFormatSvg, kFormatPdf, kFormatHtml};
    command.needsSelection = [this] { return m_settings.Triangle.TreeType == 2; };
    command.settingsDialog = [this] {
        m_triangleDialog->Fill();
        return m_dialogs->RunDialog(*m_triangleDialog);
    };
    command.work = [this](const std::string& path, int, const ProgressCallback& progress) {
        const TriangleLabels labels = TriangleTemplateLabels(m_document->Calc(), m_settings);
        return NoteCounts(WriteTriangleDiagram(*Data(), m_settings, labels, path,
                                               ProgramIdentification(), progress));
    };
    command.countLines = [this] {
        return QStringList{QString("Personen: %1").arg(m_outputCounts.persons)};
    };
    command.question = "Bild anzeigen?";
    RunOutputCommand(*this, command);
}

}  // namespace qv
