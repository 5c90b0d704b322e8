#pragma once

#include "core/Farben.h"

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>

// Smiley state per difficulty; arrays indexed zero-based [Schwierigkeitsgrad - 1].
struct TSterne_record
{
    QString Schriftart;
    QChar Zeichen;
    TFarbe Farbe_Hintergrund;
    TFarbe Farbe_Schrift;
    std::array<std::uint8_t, 3> Anzahl_Smily{};
    std::array<std::int32_t, 3> Aufgaben_seit_Smily{};
    std::array<std::int32_t, 3> Falsche_seit_Smily{};
};

// Answers that make one block, and wrong answers allowed in it (leicht, mittel, schwer).
inline constexpr std::array<std::int32_t, 3> Aufgaben_je_Smily{3, 4, 5};
inline constexpr std::array<std::int32_t, 3> erlaubte_Fehler{1, 1, 2};

// Style values set, every counter zeroed.
void Sterne_initialisieren(TSterne_record &Sterne);
