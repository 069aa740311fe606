// "Kreisahnentafel" of the "Ausgabe" menu: the circle chart through the output sequence.
#include "app/program_identity.h"
#include "app/save_formats.h"
#include "charts/circle/circle_chart_file.h"
#include "gui/circle_chart_dialog.h"
#include "gui/main_window.h"
#include "gui/output_command.h"
#include "gui/user_dialogs.h"

namespace qv {

void MainWindow::MakeCircleChart()
{
    OutputCommand command;
    command.formats = {kFormatBmp, kFormatPng, kFormatSvg, kFormatPdf, kFormatHtml};
    command.settingsDialog = [this] {
        m_circleDialog->Fill();
        return m_dialogs->RunDialog(*m_circleDialog);
    };
    command.work = [this](const std::string& path, int, const ProgressCallback& progress) {
        return WriteCircleChart(*Data(), m_settings, path, ProgramIdentification(), progress);
    };
    command.question = "Bild anzeigen?";
    RunOutputCommand(*this, command);
}

}  // namespace qv
