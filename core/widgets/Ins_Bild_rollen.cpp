#include "core/widgets/Ins_Bild_rollen.h"

#include <QRect>
#include <QScrollArea>

void Ins_Bild_rollen(const QList<const QWidget *> &Widgets)
{
    if (Widgets.isEmpty())
        return;
    QScrollArea *Bereich = nullptr;
    for (QWidget *W = Widgets.first()->parentWidget(); W && !Bereich; W = W->parentWidget())
        Bereich = qobject_cast<QScrollArea *>(W);
    if (!Bereich || !Bereich->widget())
        return;
    QRect Rahmen;
    for (const QWidget *W : Widgets)
        Rahmen |= QRect(W->mapTo(Bereich->widget(), QPoint(0, 0)), W->size());
    // A point with margins of half the rectangle: Qt's least scroll for it.
    Bereich->ensureVisible(Rahmen.center().x(), Rahmen.center().y(), Rahmen.width() / 2 + 1, Rahmen.height() / 2 + 1);
}
