#pragma once

#include "evaluation/TAuswertungs_Stand.h"

// Plays the exercise side's part in tests: settings changes open a new
// sequence after answers, answers count up within their sequence. Every
// record goes through the real counting of the evaluation store.
struct TUebungsablauf
{
    TAuswertungs_Stand Stand;
    std::uint8_t Sequenz = 1;
    std::int32_t Anzahl = 0;
    std::uint8_t Rechenart = 1;
    std::uint8_t Schwierigkeitsgrad = 1;

    TUebungsablauf() { Stand.initialisieren(); }

    const TAufgaben_Ergebnis &einstellen(std::uint8_t op, std::uint8_t g)
    {
        if (Anzahl != 0)
            Sequenz = Sequenz >= 24 ? 1 : Sequenz + 1;
        Anzahl = 0;
        Rechenart = op;
        Schwierigkeitsgrad = g;
        return uebergeben(1);
    }

    const TAufgaben_Ergebnis &antworten(bool richtig)
    {
        ++Anzahl;
        return uebergeben(richtig ? 1 : 0);
    }

    const TAufgaben_Ergebnis &uebergeben(std::uint8_t richtig)
    {
        Letztes.Nr_Uebungssequenz = Sequenz;
        Letztes.Rechenart = Rechenart;
        Letztes.Schwierigkeitsgrad = Schwierigkeitsgrad;
        Letztes.richtig_geloest = richtig;
        Letztes.Anzahl_Aufgaben = Anzahl;
        Stand.Ergebnis_uebernehmen(Letztes);
        return Letztes;
    }

    TAufgaben_Ergebnis Letztes;
};
