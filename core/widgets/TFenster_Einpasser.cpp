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
    einpassen(Fenster, Fenster->pos());
}

void TFenster_Einpasser::einpassen(QWidget *Fenster, QPoint Wunsch)
{
    const QScreen *Schirm = Fenster->screen() ? Fenster->screen() : QGuiApplication::primaryScreen();
    if (!Schirm)
        return;
    const QMargins Rand = Rahmenbreiten(Fenster);
    const QRect Rahmen(Wunsch, Fenster->size().grownBy(Rand));
    const QRect Platz = Fenster_einpassen(Rahmen, Bereich(Schirm));
    if (Platz.size() != Rahmen.size()) {
        // A fixed-size dialog gives up some of its size rather than leave the screen.
        const QSize Innen = Platz.size().shrunkBy(Rand);
        Fenster->setMinimumSize(Fenster->minimumSize().boundedTo(Innen));
        Fenster->resize(Innen);
    }
    if (Platz.topLeft() != Fenster->pos())
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
        const QPoint Wunsch = Fenster->pos();
        const QSize Groesse = Fenster->size();
        einpassen(Fenster, Wunsch);
        // A dialog cut to the screen is placed again from where it stands.
        if (!Fenster->windowHandle() || Fenster->windowHandle()->frameMargins().isNull())
            Ungerahmt << TUngerahmt{Fenster, Wunsch, Fenster->size() != Groesse};
        return true;
    }
    const auto Eintrag = std::find_if(Ungerahmt.begin(), Ungerahmt.end(),
                                      [Fenster](const TUngerahmt &U) { return U.Fenster == Fenster; });
    if (Eintrag == Ungerahmt.end())
        return false;
    if (event->type() == QEvent::Hide) {
        Ungerahmt.erase(Eintrag);
    } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize)
               && !Fenster->windowHandle()->frameMargins().isNull()) {
        const QPoint Wunsch = Eintrag->beschnitten ? Fenster->pos() : Eintrag->Wunsch;
        Ungerahmt.erase(Eintrag);
        einpassen(Fenster, Wunsch);
    }
    return false;
}
