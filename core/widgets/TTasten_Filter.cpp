#include "core/widgets/TTasten_Filter.h"

#include <QKeyEvent>

TTasten_Filter::TTasten_Filter(QObject *parent)
    : QObject(parent)
{
}

bool TTasten_Filter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *Taste = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers Umschalt =
            Taste->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        emit Taste_gedrueckt(Taste->key(), Umschalt);
    }
    return QObject::eventFilter(watched, event);
}
