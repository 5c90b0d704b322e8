#pragma once

#include <QString>
#include <cstdint>

// The record the exercise frame hands to the detailed evaluation after every
// settings change (Anzahl_Aufgaben 0) and every judged answer (1 or more).
// Codes are one-based here: Rechenart 1..4, Schwierigkeitsgrad 1..3.
struct TAufgaben_Ergebnis
{
    static constexpr int Protokollzeile_Kapazitaet = 150;

    std::uint8_t Nr_Uebungssequenz = 1;
    std::uint8_t Rechenart = 1;
    std::uint8_t Schwierigkeitsgrad = 1;
    std::uint8_t richtig_geloest = 1;
    std::int32_t Anzahl_Aufgaben = 0;
    std::uint8_t Sequenz_benutzt = 0;
    QString Protokollzeile = QStringLiteral("Transfer_Text");

    // Cuts to the capacity of 150 characters.
    void Protokollzeile_setzen(const QString &Zeile) { Protokollzeile = Zeile.left(Protokollzeile_Kapazitaet); }
};
