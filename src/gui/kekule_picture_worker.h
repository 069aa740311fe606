// Drawing the details window's ancestor line on its own thread; a newer request supersedes
// an older one, whose picture is then dropped unfinished.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>

#include <QImage>
#include <QObject>

#include "data/ahnen_data.h"

namespace qv {

class KekulePictureWorker : public QObject {
    Q_OBJECT

public:
    // Called on the main thread; data must stay unchanged until the picture is drawn or
    // abandoned. Returns the request's number, which Drawn reports with the picture.
    uint64_t Request(const TAhnenData& data, int64_t root, int64_t number);
    // No picture for any request made so far; a drawing in progress stops at its next report.
    void Abandon();
    uint64_t LatestRequest() const { return m_requests; }

public slots:
    // Runs on the worker thread: draws the newest pending request, if any.
    void DrawPending();

signals:
    void Drawn(const QImage& picture, quint64 request);

private:
    struct Pending {
        const TAhnenData* data;
        int64_t root;
        int64_t number;
    };
    std::mutex m_mutex;
    std::optional<Pending> m_pending;
    std::atomic<uint64_t> m_requests{0};
};

}  // namespace qv
