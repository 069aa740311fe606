// The 3D viewer window: the tool strip for dimming, name search and saving, over the view.
#pragma once

#include <QDialog>

#include "view3d/scene_3d.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace qv {

class TAhnenData;
class TImage_3D;
class UserDialogs;
class TImageSettings;

class View3DWindow : public QDialog {
    Q_OBJECT

public:
    // settings gives the save dialog its directory and keeps the one chosen.
    View3DWindow(const TAhnenData& data, Scene3D scene, UserDialogs& dialogs,
                 TImageSettings& settings, QWidget* parent = nullptr);

    TImage_3D& View() { return *m_view; }
    QSlider& DimmingSlider() { return *m_dimming; }
    QLineEdit& SurnameEdit() { return *m_surname; }
    QLineEdit& GivenNamesEdit() { return *m_givenNames; }
    QLabel& ResultLabel() { return *m_result; }
    QPushButton& SaveButton() { return *m_save; }

    // "Speichern": the WebGL page, after the save dialog.
    void SaveWebGlPage();

private:
    QWidget* BuildToolStrip(bool savable);
    void UpdateHitCount();
    void FindNext();

    const TAhnenData& m_data;
    UserDialogs& m_dialogs;
    TImageSettings& m_settings;
    int64_t m_lastFound = -1;
    TImage_3D* m_view = nullptr;
    QSlider* m_dimming = nullptr;
    QLineEdit* m_surname = nullptr;
    QLineEdit* m_givenNames = nullptr;
    QLabel* m_result = nullptr;
    QPushButton* m_save = nullptr;
};

}  // namespace qv
