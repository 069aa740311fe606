// Widget implementations of the user dialogs.
#include "gui/user_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "app/qt_text.h"

namespace qv {

void WidgetDialogs::ShowError(const QString& text)
{
    QMessageBox::critical(m_parent, "Quilvane", text);
}

void WidgetDialogs::ShowWarning(const QString& text)
{
    QMessageBox::warning(m_parent, "Quilvane", text);
}

void WidgetDialogs::ShowInformation(const QString& text)
{
    QMessageBox::information(m_parent, "Quilvane", text);
}

bool WidgetDialogs::AskYesNo(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

bool WidgetDialogs::ConfirmWarning(const QString& text)
{
    return QMessageBox::warning(m_parent, "Quilvane", text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

std::optional<SaveChoice> WidgetDialogs::ChooseSaveFile(const std::vector<SaveFilter>& filters,
                                                        const SaveStart& start)
{
    // Each entry shows its exact caption; the hidden second bracket holds the patterns in
    // the form the dialog filters by.
    QStringList names;
    for (const SaveFilter& f : filters) names << QStringFromUtf8(DialogNameFilter(f));
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(names);
    dialog.setDirectory(start.directory);
    dialog.selectNameFilter(names.value(start.filterIndex));
    dialog.selectFile(start.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().first();
    int index = DialogFilterIndex(filters, Utf8FromQString(dialog.selectedNameFilter()),
                                  Utf8FromQString(path));
    return SaveChoice{path, index};
}

bool WidgetDialogs::ConfirmCompletion(const QString& text)
{
    QMessageBox box(QMessageBox::Question, "Fertig!", text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

void WidgetDialogs::OpenWithDefaultApplication(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool WidgetDialogs::RunDialog(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

}  // namespace qv
