#include "core/Vorzeichen_verteilen.h"

#include "core/Zufall.h"

void Vorzeichen_verteilen(TEinstellung_Aufgabe &Aufgabe, std::int32_t Betrag_max)
{
    std::int32_t r = 0;
    Zufallszahl(true, false, Betrag_max, r);
    if (r <= 3) {
        Aufgabe.Zahl_1 = -Aufgabe.Zahl_1;
    } else if (r <= 7) {
        Aufgabe.Zahl_2 = -Aufgabe.Zahl_2;
    } else if (r <= 11) {
        Aufgabe.Zahl_1 = -Aufgabe.Zahl_1;
        Aufgabe.Zahl_2 = -Aufgabe.Zahl_2;
    }
}
