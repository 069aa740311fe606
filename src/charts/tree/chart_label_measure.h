// Label measuring with the chart's own font, for layouts drawn through the chart base.
#pragma once

#include "charts/chart_common.h"
#include "charts/tree/label_measure.h"

namespace qv {

class ChartLabelMeasure : public LabelMeasure {
public:
    explicit ChartLabelMeasure(const TImage_Common& chart) : m_chart(chart) {}
    int32_t LineHeight() const override { return m_chart.LineHeight(); }
    int32_t MaxTextWidth(const TArrayOfString& lines) const override
    {
        return m_chart.MaxTextWidth(lines);
    }

private:
    const TImage_Common& m_chart;
};

}  // namespace qv
