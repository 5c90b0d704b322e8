#pragma once

#include <cstdint>

// The answers of the two print-and-save dialogs.

// The action button of the protocol dialog pressed last; keine before the first.
enum class TProtokoll_Wahl : std::uint8_t
{
    keine,
    Protokoll_drucken,
    Statistik_drucken,
    Protokoll_und_Statistik_drucken,
    Protokoll_speichern,
    Statistik_speichern,
    Protokoll_und_Statistik_speichern
};

// What becomes of one text; abgebrochen is the print-or-save dialog's cancel.
enum class TAusgabe_Art : std::uint8_t
{
    abgebrochen,
    drucken,
    speichern
};
