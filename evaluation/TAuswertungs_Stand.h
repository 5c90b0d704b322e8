#pragma once

#include "evaluation/TStatistik.h"
#include "evaluation/TSterne_record.h"
#include "core/TAufgaben_Ergebnis.h"

#include <cstdint>

// What the detailed evaluation keeps between hand-overs, and the counting of
// one hand-over. The frame shows it; nothing here reaches a widget.
class TAuswertungs_Stand
{
public:
    // The record of the last hand-over; its setting is the current one.
    TAufgaben_Ergebnis Aufgaben_Ergebnis;
    TAuswertungs_Listenwerte_0 Listenwerte;
    TStatistik_Speicher Statistik;
    TSterne_record Sterne;

    std::uint8_t aktuelle_Rechenart() const { return Aufgaben_Ergebnis.Rechenart; }
    std::uint8_t aktueller_Schwierigkeitsgrad() const { return Aufgaben_Ergebnis.Schwierigkeitsgrad; }

    // Setting 1/1, the initial record, all counters and smileys zeroed.
    // Listenwerte stays: the settings hand-over that always follows sets it.
    void initialisieren();

    // Copies the record and counts it.
    void Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis);

    static bool ist_Antwort(const TAufgaben_Ergebnis &Ergebnis) { return Ergebnis.Anzahl_Aufgaben != 0; }

private:
    void Werte_berechnen();
};
