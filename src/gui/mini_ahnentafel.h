// TMiniAhnentafel: the live drawing of the selected person's neighbourhood in the main
// window's lower right column.
#pragma once

#include <cstdint>

#include <QImage>
#include <QWidget>

#include "app/mini_ahnentafel_layout.h"
#include "data/ahnen_data.h"
#include "render/person_symbols.h"

namespace qv {

class TMiniAhnentafel : public QWidget {
    Q_OBJECT

public:
    explicit TMiniAhnentafel(QWidget* parent = nullptr);

    // Nothing is drawn without data; the data must outlive its use here (set none first).
    void SetData(const TAhnenData* data);
    void SetCentre(int64_t person);
    int64_t Centre() const { return m_centre; }
    const MiniLayout& Layout() const { return m_layout; }
    // The hint of the symbol under the mouse; empty when there is none.
    QString HintText() const;

signals:
    // A symbol was clicked.
    void PersonClicked(int64_t person);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Relayout();
    void Redraw();
    void SetHovered(int symbol, const QPoint& globalPosition);

    const TAhnenData* m_data = nullptr;
    int64_t m_centre = -1;
    int m_hovered = -1;
    MiniLayout m_layout;
    QImage m_picture;
    PersonSymbols m_normal;
    PersonSymbols m_highlighted;
    PersonSymbols m_centreMark;
};

}  // namespace qv
