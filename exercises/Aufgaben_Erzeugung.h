#pragma once

#include "core/TEinstellung_Aufgabe.h"

#include <QString>

// Draws the operands of the next exercise task for the record's Rechenart
// and Schwierigkeitsgrad, gives them signs and computes the result. Every
// draw goes through Zufallszahl, in a fixed order, so a seed fixes the task.
void Aufgabe_ziehen(TEinstellung_Aufgabe &Aufgabe);

// " Aufgabe : (a)op(b) = ", the caption that poses the task.
QString Aufgabenstellung_Text(const TEinstellung_Aufgabe &Aufgabe);
