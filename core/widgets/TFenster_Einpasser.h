#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QScreen;
class QWidget;

// Keeps every dialog on the screen: once a dialog has taken the place it
// opens at (Qt's place over its owner or the one its code gave it), it is
// moved the least distance into the screen's available area, and cut to
// that area where it is larger. On X11 the window manager is asked for the
// frame it will put around the dialog before it is mapped; where none
// answers, the frame is estimated from the owner's until the window manager
// has framed the dialog, and then the rule is applied once more. Where the
// compositor places windows (Wayland), a dialog larger than the screen is
// only cut to it. Installed on the application object.
class TFenster_Einpasser : public QObject
{
    Q_OBJECT
public:
    explicit TFenster_Einpasser(QObject *parent = nullptr);

    // The same rule for one window now, with the frame the window manager
    // announces when asked (erfragen, before the window is mapped), else
    // its frame, estimated from the owning window while the window manager
    // has not framed it yet. True if the window manager announced it.
    static bool einpassen(QWidget *Fenster, bool erfragen = false);

    // The screen's available area in the window's coordinates; on a
    // fractional scale one pixel less, which rounding would otherwise eat.
    static QRect Bereich(const QScreen *Schirm);

    // Whether the program may place its own windows: not on Wayland, where
    // the compositor alone places them (over their owner).
    static bool Fenster_platzierbar();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shown, but not yet framed by the window manager.
    QList<QPointer<QWidget>> Ungerahmt;
};
