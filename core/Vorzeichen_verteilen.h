#pragma once

#include "core/TEinstellung_Aufgabe.h"

#include <cstdint>

// The sign draw of a posed task: r uniform in 0..Betrag_max; 0..3 negates
// Zahl_1, 4..7 Zahl_2, 8..11 both, anything above leaves both as they are.
// The exercises draw over 0..11 (never two positive operands), the
// demonstrator over 0..13 or 0..11.
void Vorzeichen_verteilen(TEinstellung_Aufgabe &Aufgabe, std::int32_t Betrag_max);
