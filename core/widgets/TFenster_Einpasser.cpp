#include "core/widgets/TFenster_Einpasser.h"

#include "core/Fenster_Lage.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

QMargins Rahmenbreiten(const QWidget *Fenster)
{
    if (const QWindow *W = Fenster->windowHandle(); W && !W->frameMargins().isNull())
        return W->frameMargins();
    // Not framed yet: a title bar as its owner's, borders of at least a few
    // pixels (a maximised owner shows none).
    QMargins Rand(4, 0, 4, 4);
    for (const QWidget *Eigner = Fenster->parentWidget(); Eigner; Eigner = Eigner->parentWidget())
        if (const QWindow *W = Eigner->window()->windowHandle(); W && !W->frameMargins().isNull()) {
            const QMargins E = W->frameMargins();
            return QMargins(std::max(E.left(), Rand.left()), E.top(), std::max(E.right(), Rand.right()),
                            std::max(E.bottom(), Rand.bottom()));
        }
    return Rand;
}

} // namespace

TFenster_Einpasser::TFenster_Einpasser(QObject *parent)
    : QObject(parent)
{
}

QRect TFenster_Einpasser::Bereich(const QScreen *Schirm)
{
    const QRect B = Schirm->availableGeometry();
    const qreal Faktor = Schirm->devicePixelRatio();
    return Faktor == std::floor(Faktor) ? B : B.adjusted(0, 0, -1, -1);
}

void TFenster_Einpasser::einpassen(QWidget *Fenster)
{
    const QScreen *Schirm = Fenster->screen() ? Fenster->screen() : QGuiApplication::primaryScreen();
    if (!Schirm)
        return;
    const QMargins Rand = Rahmenbreiten(Fenster);
    const QRect Rahmen(Fenster->pos(), Fenster->size().grownBy(Rand));
    const QRect Platz = Fenster_einpassen(Rahmen, Bereich(Schirm));
    if (Platz.size() != Rahmen.size()) {
        // A fixed-size dialog gives up some of its size rather than leave the screen.
        const QSize Innen = Platz.size().shrunkBy(Rand);
        Fenster->setMinimumSize(Fenster->minimumSize().boundedTo(Innen));
        Fenster->resize(Innen);
    }
    if (Platz.topLeft() != Rahmen.topLeft())
        Fenster->move(Platz.topLeft());
}

bool TFenster_Einpasser::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *Fenster = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Show && Fenster->isWindow() && Fenster->windowType() == Qt::Dialog) {
        // The dialog first takes its own place, then it is brought in.
        watched->event(event);
        einpassen(Fenster);
        if (!Fenster->windowHandle() || Fenster->windowHandle()->frameMargins().isNull())
            Ungerahmt << Fenster;
        return true;
    }
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && Ungerahmt.contains(Fenster)
        && !Fenster->windowHandle()->frameMargins().isNull()) {
        Ungerahmt.removeAll(Fenster);
        einpassen(Fenster);
    }
    if (event->type() == QEvent::Hide)
        Ungerahmt.removeAll(Fenster);
    return false;
}
