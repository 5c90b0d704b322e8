#include "core/widgets/TPageControl.h"

#include "core/widgets/TReiter_Leiste.h"

#include <QEvent>

TPageControl::TPageControl(QWidget *parent)
    : QTabWidget(parent)
{
    // Before any page is added: the tab widget takes its bar only now.
    setTabBar(new TReiter_Leiste(this));
}

TReiter_Leiste *TPageControl::Reiter_Leiste() const
{
    return static_cast<TReiter_Leiste *>(tabBar());
}

bool TPageControl::event(QEvent *event)
{
    // A caption on a page changed, the bar did not: bar and pages keep their
    // places, and the tab widget's repaint of the whole control (after every
    // answer) is not needed. The owner hears of it only when the control's
    // minimum size changes (a caption's length changes only its wish);
    // otherwise its whole window would be laid out anew.
    if (event->type() == QEvent::LayoutRequest) {
        const QSize Leiste = tabBar()->sizeHint();
        if (Leiste == Leiste_zuletzt && tabBar()->geometry().height() == Leiste.height()) {
            const QSize Minimum = minimumSizeHint();
            if (Minimum != Minimum_zuletzt) {
                Minimum_zuletzt = Minimum;
                updateGeometry();
            }
            return QWidget::event(event);
        }
        Leiste_zuletzt = Leiste;
    }
    return QTabWidget::event(event);
}
