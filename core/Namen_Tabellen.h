#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Name and points tables. The functions take one-based codes
// (Rechenart 1..4, Schwierigkeitsgrad 1..3) as the evaluation uses them.

// Each exactly 14 characters, padded on the right.
const QString &Rechenart_Namen(int Rechenart);
const QString &Schwierigkeitsgrad_Namen(int Schwierigkeitsgrad);
// Points one task is worth: 1, 2, 3 (Addition, Subtraktion), 3, 6, 9 (Multiplikation, Division).
std::uint8_t Punkte_Tabelle(int Rechenart, int Schwierigkeitsgrad);
const QString &Punkte_Texte(int Rechenart, int Schwierigkeitsgrad);
