// Labels of the reference persons.
#include "gui/reference_panel.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "data/ahnen_data.h"

namespace qv {

ReferencePanel::ReferencePanel(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QFormLayout(this);
    auto makeGroup = [&](const QString& caption, Labels& labels, const QString& hint) {
        labels = {new QLabel(this), new QLabel(this), new QLabel(this)};
        auto* title = new QLabel(caption, this);
        title->setToolTip(hint);
        labels.id->setToolTip(hint);
        layout->addRow(title, labels.id);
        layout->addRow(QString(), labels.surname);
        layout->addRow(QString(), labels.given);
    };
    setWhatsThis("Proband: die Person, deren Vorfahren und Nachfahren ausgewertet werden. "
                 "Kekule-Nr 1: abweichende Ausgangsperson für Berechnungen in Grafiken.");
    makeGroup("Proband:", m_proband, QString());
    makeGroup("Kekule-Nr 1:", m_kekuleOne,
              "Abweichende Ausgangsperson für Berechnungen in Grafiken");
}

void ReferencePanel::Show(const Labels& labels, const TAhnenData* data, int64_t person)
{
    bool known = data && person >= 0 && person < static_cast<int64_t>(data->Persons.size());
    const TPerson* p = known ? &data->Persons[person] : nullptr;
    labels.id->setText(p ? QStringFromUtf8(p->Id) : QString());
    labels.surname->setText(p ? QStringFromUtf8(p->Surname) : QString());
    labels.given->setText(p ? QStringFromUtf8(p->GivenNames) : QString());
}

void ReferencePanel::ShowProband(const TAhnenData* data, int64_t person)
{
    Show(m_proband, data, person);
}

void ReferencePanel::ShowKekuleOne(const TAhnenData* data, int64_t person)
{
    Show(m_kekuleOne, data, person);
}

QString ReferencePanel::ProbandText() const
{
    return m_proband.id->text() + " " + m_proband.surname->text() + " " + m_proband.given->text();
}

QString ReferencePanel::KekuleOneText() const
{
    return m_kekuleOne.id->text() + " " + m_kekuleOne.surname->text() + " " +
           m_kekuleOne.given->text();
}

}  // namespace qv
