// "Grafik-Vorschau": the tree chart of the example family with the settings being edited,
// drawn on a worker thread so the dialog stays responsive.
#pragma once

#include <memory>

#include <QDialog>
#include <QImage>
#include <QThread>

class QLabel;
class QScrollArea;

namespace qv {

class TImageSettings;
class PreviewWorker;

class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    PreviewWindow(const QString& programDirectory, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // Draws the chart again with a copy of these settings; a newer request abandons an older
    // picture still being drawn.
    void RequestPicture(const TImageSettings& settings);
    const QImage& Picture() const { return m_picture; }

signals:
    void PictureShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPicture(const QImage& picture);

    QScrollArea* m_scroll;
    QLabel* m_label;
    QImage m_picture;
    QPoint m_dragStart;
    QThread m_thread;
    PreviewWorker* m_worker;
};

}  // namespace qv
