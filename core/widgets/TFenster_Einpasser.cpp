#include "core/widgets/TFenster_Einpasser.h"

#include "core/Fenster_Lage.h"
#include "core/widgets/Rahmen_erfragen.h"

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

// A fixed-size dialog gives up some of its size rather than leave the screen.
void zuschneiden(QWidget *Fenster, QSize Innen)
{
    if (Innen == Fenster->size())
        return;
    Fenster->setMinimumSize(Fenster->minimumSize().boundedTo(Innen));
    Fenster->resize(Innen);
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

bool TFenster_Einpasser::Fenster_platzierbar()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool TFenster_Einpasser::einpassen(QWidget *Fenster, bool erfragen)
{
    const QScreen *Schirm = Fenster->screen() ? Fenster->screen() : QGuiApplication::primaryScreen();
    if (!Schirm)
        return false;
    QWindow *W = Fenster->windowHandle();
    std::optional<QMargins> Erfragt = erfragen && W ? Rahmen_erfragen(W) : std::nullopt;
    QMargins Rand = Erfragt ? *Erfragt : Rahmenbreiten(Fenster);
    const QPoint Wunsch = Fenster->pos();
    QRect Platz = Fenster_einpassen(QRect(Wunsch, Fenster->size().grownBy(Rand)), Bereich(Schirm));
    if (Platz.size() != Fenster->size().grownBy(Rand)) {
        zuschneiden(Fenster, Platz.size().shrunkBy(Rand));
        // Now resizable, it gets another frame (openbox adds a grip beneath).
        if (Erfragt && (Erfragt = Rahmen_erfragen(W))) {
            Rand = *Erfragt;
            Platz = Fenster_einpassen(QRect(Wunsch, Fenster->size().grownBy(Rand)), Bereich(Schirm));
            zuschneiden(Fenster, Platz.size().shrunkBy(Rand));
        }
    }
    if (Platz.topLeft() == Wunsch || !Fenster_platzierbar())
        return Erfragt.has_value();
    if (Erfragt) {
        // Placed by its inside: Qt may still take the frame it has not read
        // yet for none, and would put the inside where the frame goes. The
        // size stays its own, so a dialog shown again still fits its content.
        const bool Groesse_gesetzt = Fenster->testAttribute(Qt::WA_Resized);
        Fenster->setGeometry(QRect(Platz.topLeft() + QPoint(Rand.left(), Rand.top()), Fenster->size()));
        Fenster->setAttribute(Qt::WA_Resized, Groesse_gesetzt);
    } else {
        Fenster->move(Platz.topLeft());
    }
    return Erfragt.has_value();
}

bool TFenster_Einpasser::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *Fenster = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Show && Fenster->isWindow() && Fenster->windowType() == Qt::Dialog) {
        // The dialog first takes its own place, then it is brought in.
        watched->event(event);
        if (!einpassen(Fenster, true) && Fenster_platzierbar()
            && (!Fenster->windowHandle() || Fenster->windowHandle()->frameMargins().isNull()))
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
