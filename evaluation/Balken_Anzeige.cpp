#include "evaluation/Balken_Anzeige.h"

#include <QProgressBar>

void Balken_setzen(QProgressBar *Balken, int Maximum, int Position)
{
    if (Maximum <= Balken->minimum()) {
        Balken->setRange(Balken->minimum(), Balken->minimum() + 1);
        Balken->setValue(Balken->minimum());
        return;
    }
    Balken->setRange(Balken->minimum(), Maximum);
    Balken->setValue(Position);
}
