#pragma once

#include <cstdint>
#include <type_traits>

// The settings a task is posed under. Each code is one byte with the item
// index of the control that chooses it.

enum class TRechenart : std::uint8_t
{
    Addition,
    Subtraktion,
    Multiplikation,
    Division
};

enum class TSchwierigkeitsgrad : std::uint8_t
{
    leicht,
    mittel,
    schwer
};

enum class TLoesungsweg : std::uint8_t
{
    kurz,
    lang
};

enum class TLoesungsausgabe : std::uint8_t
{
    direkt,
    nicht_direkt,
    schrittweise
};

// Sequences (the tasks between two settings changes) are numbered 1..24;
// the 25th is numbered 1 again.
inline constexpr int Anzahl_Uebungssequenzen = 24;

// The evaluation's records count operation and difficulty from 1; this pair
// is the only crossing between the two countings.
template <typename TCode>
constexpr std::uint8_t Nummer_von(TCode Code)
{
    return std::uint8_t(static_cast<std::underlying_type_t<TCode>>(Code) + 1);
}

template <typename TCode>
constexpr TCode Code_von_Nummer(int Nummer)
{
    return TCode(Nummer - 1);
}
