#pragma once

#include "core/Aufgaben_Codes.h"
#include "core/TAufgaben_Ergebnis.h"

#include <QString>

// How the exercise frame updates its TAufgaben_Ergebnis between hand-overs.

struct TSequenz_Wechsel
{
    bool Leerzeile_faellig = false;       // a new sequence opened: separate it in the protocol
    bool Grundwerte_neu_beginnen = false; // numbering wrapped to 1: the basic-values table restarts
};

// A settings change: opens a new sequence only if an answer was given since
// the last change, wraps after 24, and prepares the settings hand-over
// (Anzahl_Aufgaben 0).
TSequenz_Wechsel Einstellungen_eintragen(TAufgaben_Ergebnis &Ergebnis, TRechenart Rechenart,
                                         TSchwierigkeitsgrad Schwierigkeitsgrad);

// One judged answer with its protocol line.
void Antwort_eintragen(TAufgaben_Ergebnis &Ergebnis, bool richtig, const QString &Aufgaben_Text,
                       const QString &Antwort_Text);

// " Übungssequenz: n|Operation     |grad| Aufgabe : " + 25-character field + verdict.
QString Protokollzeile_erstellen(const TAufgaben_Ergebnis &Ergebnis, bool richtig, const QString &Aufgaben_Text,
                                 const QString &Antwort_Text);
