#include "core/Zufall.h"

#include <chrono>

namespace {
std::uint32_t Startwert = 0;
}

void Zufall_initialisieren()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    Startwert = static_cast<std::uint32_t>(ticks);
}

std::uint32_t Zufall_R(std::uint32_t n)
{
    Startwert = Startwert * 134775813u + 1u;
    return static_cast<std::uint32_t>((std::uint64_t(Startwert) * n) >> 32);
}

void Zufallszahl(bool mit_Null, bool mit_Vorzeichen, std::int32_t Betrag_max, std::int32_t &Zahl)
{
    const std::uint32_t max = static_cast<std::uint32_t>(Betrag_max);
    const bool negativ = mit_Vorzeichen && Zufall_R(2) != 0;
    const std::int32_t Betrag = mit_Null ? std::int32_t(Zufall_R(max + 1)) : std::int32_t(Zufall_R(max) + 1);
    Zahl = negativ ? -Betrag : Betrag;
}

void Zufall_Startwert_setzen(std::uint32_t Wert)
{
    Startwert = Wert;
}
