#include "core/TEinstellung_Aufgabe.h"

#include "core/Aufgaben_Namen.h"
#include "core/Zahlentexte.h"

#include <cstdlib>

namespace {
QChar Vorzeichen(std::int32_t Wert)
{
    return Wert < 0 ? u'-' : u'+';
}
}

void Aufgabe_initialisieren(TEinstellung_Aufgabe &Aufgabe)
{
    Aufgabe = TEinstellung_Aufgabe{};
}

void Ergebnis_berechnen(TEinstellung_Aufgabe &A)
{
    switch (A.Rechenart) {
    case TRechenart::Addition: A.Ergebnis = A.Zahl_1 + A.Zahl_2; break;
    case TRechenart::Subtraktion: A.Ergebnis = A.Zahl_1 - A.Zahl_2; break;
    case TRechenart::Multiplikation: A.Ergebnis = A.Zahl_1 * A.Zahl_2; break;
    case TRechenart::Division: A.Ergebnis = A.Zahl_1 / A.Zahl_2; break;
    }
    A.Rechenzeichen = Rechenzeichen_von(A.Rechenart);
    A.STR_Zahl_1 = Integer_zu_Text(A.Zahl_1);
    A.STR_Zahl_2 = Integer_zu_Text(A.Zahl_2);
    A.STR_Ergebnis = Integer_zu_Text(A.Ergebnis);
    A.Betrag_Zahl_1 = std::abs(A.Zahl_1);
    A.Betrag_Zahl_2 = std::abs(A.Zahl_2);
    A.Betrag_Ergebnis = std::abs(A.Ergebnis);
    A.STR_Betrag_Zahl_1 = Integer_zu_Text(A.Betrag_Zahl_1);
    A.STR_Betrag_Zahl_2 = Integer_zu_Text(A.Betrag_Zahl_2);
    A.STR_Betrag_Ergebnis = Integer_zu_Text(A.Betrag_Ergebnis);
    A.VZ_Zahl_1 = Vorzeichen(A.Zahl_1);
    A.VZ_Zahl_2 = Vorzeichen(A.Zahl_2);
    A.VZ_Ergebnis = Vorzeichen(A.Ergebnis);
}

QString Aufgabe_in_Klammern(const TEinstellung_Aufgabe &A)
{
    return u'(' + A.STR_Zahl_1 + u')' + A.Rechenzeichen + u'(' + A.STR_Zahl_2 + u')';
}
