#pragma once

#include "evaluation/TStatistik.h"
#include "evaluation/TSterne_record.h"
#include "exercises/TAufgaben_Ergebnis.h"

#include <cstdint>

// What the detailed evaluation keeps between hand-overs, and the counting of
// one hand-over. The frame shows it; nothing here reaches a widget.
class TAuswertungs_Stand
{
public:
    TAufgaben_Ergebnis Aufgaben_Ergebnis;
    TAuswertungs_Listenwerte_0 Listenwerte;
    std::uint8_t aktuelle_Rechenart = 1;
    std::uint8_t aktueller_Schwierigkeitsgrad = 1;
    TStatistik_Speicher Statistik;
    TSterne_record Sterne;

    // Setting 1/1, the initial record, all counters and smileys zeroed.
    // Listenwerte stays: the settings hand-over that always follows sets it.
    void initialisieren();

    // Copies the record, takes over its setting and counts it.
    void Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis);

    static bool ist_Antwort(const TAufgaben_Ergebnis &Ergebnis) { return Ergebnis.Anzahl_Aufgaben != 0; }

private:
    void Werte_berechnen();
};
