// Drawing preview pictures off the main thread.
#include "gui/preview_worker.h"

#include "charts/tree/template_texts.h"
#include "charts/tree/tree_chart.h"
#include "data/error.h"
#include "data/example_family.h"

namespace qv {

void AdjustForPreview(TImageSettings& settings)
{
    settings.Tree.CommentHeadline = false;
    settings.Tree.CommentHeader = false;
    settings.Tree.CommentFooter = false;
    settings.ProbandIndex = 18;
    settings.KekuleOneIndex = -1;
    settings.ClearSelection();
    for (int64_t person : {30, 6, 0}) settings.SetSelected(person, true);
}

void PreviewWorker::Request(std::unique_ptr<TImageSettings> settings)
{
    std::lock_guard lock(m_mutex);
    m_pending = std::move(settings);
    ++m_requests;
}

void PreviewWorker::DrawPending()
{
    std::unique_ptr<TImageSettings> settings;
    uint64_t request = 0;
    {
        std::lock_guard lock(m_mutex);
        settings = std::move(m_pending);
        request = m_requests;
    }
    if (!settings) return;
    if (!m_example) {
        m_example = std::make_unique<FamilyDocument>(
            std::make_unique<TAhnenData>(LoadExampleFamily(m_programDirectory)));
    }
    AdjustForPreview(*settings);
    // A newer request makes this picture worthless: stop drawing it.
    ProgressCallback outdated = [this, request](const std::string&, int64_t, int64_t) {
        return m_requests != request;
    };
    try {
        TreeChartTexts texts = TemplateTexts(m_example->Calc(), *settings);
        std::optional<Bitmap> picture =
            BuildTreeChartBitmap(m_example->Data(), *settings, texts, outdated);
        if (picture && m_requests == request) emit Drawn(picture->Image().copy());
    } catch (const Error&) {
        // Settings the example cannot be drawn with leave the last picture standing.
    }
}

}  // namespace qv
