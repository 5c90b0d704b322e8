#pragma once

#include "core/Aufgaben_Codes.h"

// What an output mode means for the demonstrator's buttons and rows.
struct TAusgabe_Regeln
{
    bool Button_loesen_sichtbar = false;
    // The path is built as soon as the task is posed.
    bool sofort_loesen = true;
    // The rows of that first build are covered.
    bool verdeckt = false;
    // After posing the focus goes to "Aufgabe lösen", after solving to
    // "Aufgabe stellen"; in mode 0 the focus stays where it is.
    bool Fokus_wechseln = false;
};

TAusgabe_Regeln Ausgabe_Regeln(TLoesungsausgabe Loesungsausgabe);
