#pragma once

#include "core/Aufgaben_Codes.h"

#include <QString>

// The names of the operations and difficulties, as settings, protocol,
// tables and spoken names use them.

// "Addition", "Subtraktion", "Multiplikation", "Division".
const QString &Rechenart_Name(TRechenart Rechenart);
// "leicht", "mittel", "schwer".
const QString &Schwierigkeitsgrad_Name(TSchwierigkeitsgrad Schwierigkeitsgrad);

// Blanks after the name up to the width; never cuts.
QString Name_rechts_aufgefuellt(const QString &Name, int Breite);
