// The "3D" command of the "Ausgabe" menu.
#pragma once

namespace qv {

class MainWindow;

// Checks for a proband, asks for the display type and shows the viewer modally.
void Show3DView(MainWindow& window);

}  // namespace qv
