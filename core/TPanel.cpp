#include "core/TPanel.h"

#include "core/Farbe_Qt.h"

#include <QMouseEvent>

TPanel::TPanel(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setFarbe(Farbe_Silber);
}

void TPanel::setFarbe(TFarbe Farbe)
{
    Hintergrund_setzen(this, Farbe);
}

TFarbe TPanel::Farbe() const
{
    return Hintergrund(this);
}

void TPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit Click();
    QLabel::mousePressEvent(event);
}
