// The 3D view runs outside the output sequence: no save dialog, busy mode or completion box.
#include "gui/view3d_command.h"

#include "gui/display_type_dialog.h"
#include "gui/main_window.h"
#include "gui/user_dialogs.h"
#include "gui/view3d_window.h"
#include "view3d/scene_3d.h"

namespace qv {

void Show3DView(MainWindow& window)
{
    UserDialogs& dialogs = window.Dialogs();
    const int64_t proband = window.Settings().ProbandIndex;
    if (proband < 0 || !window.Data()) {
        dialogs.ShowInformation("Kein Proband gewählt!");
        return;
    }
    DisplayTypeDialog choice(&window);
    if (!dialogs.RunDialog(choice)) return;
    View3DWindow viewer(*window.Data(), BuildScene(*window.Data(), proband, choice.Chosen()),
                        dialogs, window.Settings(), &window);
    dialogs.RunDialog(viewer);
}

}  // namespace qv
