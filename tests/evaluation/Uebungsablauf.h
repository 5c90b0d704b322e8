#pragma once

#include "exercises/TUebungs_Ablauf.h"

// Plays a pupil in tests: settings in one-based codes, answers right or wrong
// to the task the lesson posed. Everything else is the program's own lesson.
struct TUebungsablauf
{
    TUebungs_Ablauf Ablauf;
    const TAuswertungs_Stand &Stand = Ablauf.Auswertung().Stand();
    TAuswertung_Folgen Folgen;

    void einstellen(std::uint8_t op, std::uint8_t g)
    {
        Folgen = Ablauf.Einstellungen_aendern(Code_von_Nummer<TRechenart>(op), Code_von_Nummer<TSchwierigkeitsgrad>(g))
                     .Auswertung;
    }

    void antworten(bool richtig)
    {
        const TEinstellung_Aufgabe &A = Ablauf.Aufgabe();
        Folgen = Ablauf.Antwort_eingeben(QString::number(qint64(A.Ergebnis) + (richtig ? 0 : 1)))->Auswertung;
    }
};
