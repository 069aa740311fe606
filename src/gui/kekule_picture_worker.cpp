// The ancestor line picture, drawn off the main thread.
#include "gui/kekule_picture_worker.h"

#include "data/error.h"
#include "tables/kekule_line_picture.h"

namespace qv {

uint64_t KekulePictureWorker::Request(const TAhnenData& data, int64_t root, int64_t number)
{
    std::lock_guard lock(m_mutex);
    m_pending = Pending{&data, root, number};
    return ++m_requests;
}

void KekulePictureWorker::Abandon()
{
    std::lock_guard lock(m_mutex);
    m_pending.reset();
    ++m_requests;
}

void KekulePictureWorker::DrawPending()
{
    std::optional<Pending> pending;
    uint64_t request = 0;
    {
        std::lock_guard lock(m_mutex);
        pending.swap(m_pending);
        request = m_requests;
    }
    if (!pending) return;
    // A newer click or the closing window makes this picture worthless: stop drawing it.
    ProgressCallback superseded = [this, request](const std::string&, int64_t, int64_t) {
        return m_requests != request;
    };
    try {
        std::optional<Bitmap> picture =
            BuildKekuleLinePicture(*pending->data, pending->root, pending->number, superseded);
        if (picture && m_requests == request) emit Drawn(picture->Image().copy(), request);
    } catch (const Error&) {
        // A line that cannot be drawn leaves the last picture standing.
    }
}

}  // namespace qv
