// The circle chart dialog's controls.
#include "gui/circle_chart_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/placeholder_lists.h"
#include "gui/template_editor.h"
#include "gui/user_dialogs.h"

namespace qv {

CircleChartDialog::CircleChartDialog(TImageSettings& settings, UserDialogs& dialogs,
                                     QWidget* parent)
    : SettingsForm(parent),
      m_settings(settings),
      m_dialogs(dialogs),
      m_headlineEditor(new TemplateEditor("Kopfzeile", HeadlinePlaceholders(), this))
{
    setWindowTitle("Einstellungen - Grafik - Kreisahnentafel");
    LayOutColumns({BuildLeftColumn(), BuildRightColumn()});
}

QWidget* CircleChartDialog::BuildLeftColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    CircleChartSettings& circle = m_settings.Circle;
    auto* chart = new QVBoxLayout;
    chart->addWidget(BindRadios("Darstellungsform:", {"Kreis", "Halbkreis"}, circle.Shape, column));
    QCheckBox* doubles = BindCheck("dopp. Personen mark.", circle.HighlightDouble, column);
    doubles->setToolTip("doppelte Personen farblich markieren");
    chart->addWidget(doubles);
    chart->addWidget(BindCheck("Kekulenummern", circle.Kekule, column));
    chart->addWidget(BindCheck("Generationsangabe", circle.Generations, column));
    layout->addWidget(Box("Kreisahnentafel", column, chart));
    auto* tree = new QFormLayout;
    tree->addRow("Vorfahren:", BindSpin(0, 99, circle.TreeMaxGen, column));
    layout->addWidget(Box("Baum", column, tree));
    auto* spacing = new QFormLayout;
    QSpinBox* rings = BindSpin(50, 1000, circle.NodeHeight, column);
    rings->setToolTip("Mindestabstand zwischen Generationen");
    spacing->addRow("Generationen", rings);
    layout->addWidget(Box("Abstände", column, spacing));
    layout->addStretch();
    return column;
}

QWidget* CircleChartDialog::BuildRightColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    CircleChartSettings& circle = m_settings.Circle;
    layout->addWidget(Box("Schrift", column, BindFontRows(m_settings, column)));
    auto* labels = new QVBoxLayout;
    labels->addWidget(BindCheck("Nachn. in Großbuchst.", circle.LabelsSurnameCaps, column));
    layout->addWidget(Box("Beschriftung Personen", column, labels));
    layout->addWidget(BindLines(circle.Antialiasing, column));
    auto* background = new QVBoxLayout;
    background->addWidget(BindCheck("abwechselnd färben", circle.BackgroundColored, column));
    layout->addWidget(Box("Hintergrund", column, background));
    layout->addWidget(BindComments(circle.CommentHeader, circle.CommentFooter,
                                   circle.CommentHeadline, m_settings, m_dialogs, *m_headlineEditor,
                                   column));
    layout->addStretch();
    return column;
}

QCheckBox* CircleChartDialog::Check(const QString& groupTitle, const QString& caption) const
{
    for (QCheckBox* box : Group(groupTitle)->findChildren<QCheckBox*>())
        if (box->text() == caption) return box;
    return nullptr;
}

QSpinBox* CircleChartDialog::Spin(const QString& groupTitle) const
{
    return Group(groupTitle)->findChild<QSpinBox*>();
}

QPushButton* CircleChartDialog::EditButton(int block) const
{
    return Group("Kommentare")->findChildren<QPushButton*>()[block];
}

}  // namespace qv
