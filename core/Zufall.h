#pragma once

#include <cstdint>

// The process-wide linear congruential generator and the random operand.

// Seeds from the low 32 bits of a monotonic high-resolution clock.
void Zufall_initialisieren();

// R(n): uniform in 0..n-1 (upper 32 bits of seed * n after one update).
std::uint32_t Zufall_R(std::uint32_t n);

// One random integer: 0..max or 1..max, optionally with a random sign drawn first.
void Zufallszahl(bool mit_Null, bool mit_Vorzeichen, std::int32_t Betrag_max, std::int32_t &Zahl);

// Tests only: the program itself never calls these.
void Zufall_Startwert_setzen(std::uint32_t Startwert);
