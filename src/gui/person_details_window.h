// The "Details" window: a person's description, Kekule number lists and the picture of the
// ancestor line of a clicked number.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QDialog>
#include <QImage>
#include <QThread>

#include "tables/kekule_number_list.h"
#include "tables/person_details.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QTextEdit;

namespace qv {

class FamilyDocument;
class KekulePictureWorker;
class TImageSettings;
class UserDialogs;

class PersonDetailsWindow : public QDialog {
    Q_OBJECT

public:
    // dialogs gives the program's message and file dialogs at the moment they are needed.
    PersonDetailsWindow(TImageSettings& settings, std::function<UserDialogs&()> dialogs,
                        QWidget* parent = nullptr);
    ~PersonDetailsWindow() override;

    // Describes the person with the basic list and clears the number list and the picture;
    // false when describing failed (the error has been shown).
    bool ShowPerson(FamilyDocument& document, int64_t person);
    // "Detailierte Werte berechnen": the same person with the detailed list.
    void DescribeDetailed();
    // "vollständige Kekulenummernliste" and "X-Chromosomale Kekulenummern".
    void ShowKekuleNumbers(KekuleListKind kind);
    // A click at a document position of the number list: draws the line to the number
    // there (0, the root alone, where there is none).
    void ClickNumberAt(int64_t position);

    QTextEdit& DetailsText() { return *m_details; }
    QTextEdit& NumberText() { return *m_numbers; }
    const std::string& DetailsRtf() const { return m_detailsRtf; }
    const std::string& NumberRtf() const { return m_numbersRtf; }
    const KekuleNumberList& Numbers() const { return m_numberList; }
    const QImage& Picture() const { return m_picture; }
    QPushButton* Button(const QString& caption) const;
    KekulePictureWorker& Worker() { return *m_worker; }

signals:
    void PictureShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void BuildLayout();
    void Describe(DetailsLevel level);
    void ShowPicture(const QImage& picture, quint64 request);
    void OfferSaving(QWidget* area);
    // The opened family file: the save dialog starts beside it.
    QString DataPath() const;
    void SavePicture();
    void SaveText(const std::string& rtf);
    // Stops the worker and waits until it no longer reads the family data.
    void StopWorker();

    TImageSettings& m_settings;
    std::function<UserDialogs&()> m_dialogs;
    FamilyDocument* m_document = nullptr;
    int64_t m_person = -1;
    int64_t m_root = -1;
    QTextEdit* m_details;
    QTextEdit* m_numbers;
    QScrollArea* m_scroll;
    QLabel* m_pictureLabel;
    std::string m_detailsRtf;
    std::string m_numbersRtf;
    KekuleNumberList m_numberList;
    QImage m_picture;
    QThread m_thread;
    KekulePictureWorker* m_worker;
};

}  // namespace qv
