// The preview's drawing on its own thread, with its own copy of the example family.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>

#include <QImage>
#include <QObject>

#include "app/image_settings.h"
#include "calc/family_document.h"

namespace qv {

class PreviewWorker : public QObject {
    Q_OBJECT

public:
    explicit PreviewWorker(std::string programDirectory) : m_programDirectory(std::move(programDirectory)) {}

    // Called on any thread: replaces the pending request.
    void Request(std::unique_ptr<TImageSettings> settings);
    // Stops a drawing in progress (the window closes).
    void Abandon() { ++m_requests; }

public slots:
    // Runs on the worker thread: draws the newest pending request, if any.
    void DrawPending();

signals:
    void Drawn(const QImage& picture);

private:
    std::string m_programDirectory;
    std::unique_ptr<FamilyDocument> m_example;
    std::mutex m_mutex;
    std::unique_ptr<TImageSettings> m_pending;
    std::atomic<uint64_t> m_requests{0};
};

// The preview's fixed choices: example person 18 as proband, persons 30, 6 and 0 selected,
// no comment blocks.
void AdjustForPreview(TImageSettings& settings);

}  // namespace qv
