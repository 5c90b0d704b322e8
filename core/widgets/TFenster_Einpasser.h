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
// that area where it is larger. The frame is estimated from the owner's
// until the window manager has framed the dialog; then the rule is applied
// once more with the real frame. Installed on the application object.
class TFenster_Einpasser : public QObject
{
    Q_OBJECT
public:
    explicit TFenster_Einpasser(QObject *parent = nullptr);

    // The same rule for one window now; the frame's size is estimated from
    // the owning window while the window manager has not framed it yet.
    static void einpassen(QWidget *Fenster);

    // The screen's available area in the window's coordinates; on a
    // fractional scale one pixel less, which rounding would otherwise eat.
    static QRect Bereich(const QScreen *Schirm);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shown, but not yet framed by the window manager.
    QList<QPointer<QWidget>> Ungerahmt;
};
