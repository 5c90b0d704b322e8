#pragma once

#include "core/TEinstellung_Aufgabe.h"

#include <QStringList>
#include <cstdint>

// The demonstrator's task drawing, free of any widget.

// Operands of a sum, difference or product by difficulty, then the sign draw
// over 0..13; appends the range description to Memo1.
void Zahlen_erzeugen(TEinstellung_Aufgabe &Einstellung, QStringList &Memo1);

// Dividend built as quotient times divisor so every division is exact, then
// the sign draw over 0..11; appends the range description to Memo1.
void Zahlen_erzeugen_Division(TEinstellung_Aufgabe &Einstellung, QStringList &Memo1);

// Result and derived fields, then schrittweise and the task heading.
void Aufgabe_berechnen(TEinstellung_Aufgabe &Einstellung);

// Draws the operands fitting Rechenart and runs Aufgabe_berechnen.
void Aufgabe_erzeugen(TEinstellung_Aufgabe &Einstellung, QStringList &Memo1);

// A task judged on the exercise page: its operation, difficulty and operands
// with this page's path kind and output mode; Memo1 says where it came from,
// since the exercise page's number ranges are not this page's.
void Uebungsaufgabe_uebernehmen(TEinstellung_Aufgabe &Einstellung, const TEinstellung_Aufgabe &Uebungsaufgabe,
                                QStringList &Memo1);

// A negative number inside a term is written in parentheses: -8 -> "(-8)".
QString Zahl_geklammert(std::int32_t Wert);
