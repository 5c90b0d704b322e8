#pragma once

#include "core/Aufgaben_Codes.h"

#include <QChar>
#include <QString>

// The names of the operations and difficulties, as settings, protocol,
// tables and spoken names use them, and the operator characters of tasks.

// "Addition", "Subtraktion", "Multiplikation", "Division".
const QString &Rechenart_Name(TRechenart Rechenart);
// "+", "-", "*" or ":".
QChar Rechenzeichen_von(TRechenart Rechenart);
// "leicht", "mittel", "schwer".
const QString &Schwierigkeitsgrad_Name(TSchwierigkeitsgrad Schwierigkeitsgrad);

// Blanks after the name up to the width; never cuts.
QString Name_rechts_aufgefuellt(const QString &Name, int Breite);
