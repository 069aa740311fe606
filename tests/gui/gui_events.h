// Driving popup menus and modal windows from a test: the next nested event loop runs the step.
#pragma once

#include <functional>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace qv::test {

// Clicks the entry of the popup menu that the next step opens.
inline void ClickInNextMenu(const QString& caption)
{
    QTimer::singleShot(0, [caption] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* action : menu->actions()) {
            if (action->text() != caption) continue;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
        menu->close();
    });
}

// Runs step on the modal window once one is showing (its event loop runs the step).
inline void WhenModalShown(std::function<void(QWidget&)> step)
{
    QTimer::singleShot(5, [step] {
        if (QWidget* modal = QApplication::activeModalWidget())
            step(*modal);
        else
            WhenModalShown(step);
    });
}

// A right click on the widget at the point, as the mouse sends it.
inline void RightClick(QWidget* widget, const QPoint& at)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
}

}  // namespace qv::test
