#include "evaluation/TSterne_record.h"

void Sterne_initialisieren(TSterne_record &Sterne)
{
    Sterne.Schriftart = QStringLiteral("Wingdings");
    Sterne.Zeichen = u'J';
    Sterne.Farbe_Hintergrund = Farbe_Grau;
    Sterne.Farbe_Schrift = Farbe_Lime;
    Sterne.Anzahl_Smily.fill(0);
    Sterne.Aufgaben_seit_Smily.fill(0);
    Sterne.Falsche_seit_Smily.fill(0);
}
