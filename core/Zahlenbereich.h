#pragma once

#include <cstdint>

// One operand draw: Zufallszahl without sign over 0..Betrag_max (mit_Null)
// or 1..Betrag_max, drawn again until the value lies in Minimum..Maximum and
// is not Ausnahme, so every accepted value stays equally likely.
struct TZahlenbereich
{
    bool mit_Null = false;
    std::int32_t Betrag_max = 10;
    std::int32_t Minimum = 0;
    std::int32_t Maximum = INT32_MAX;
    std::int32_t Ausnahme = -1; // no value is excluded
};

std::int32_t Zahl_ziehen(const TZahlenbereich &Bereich);

// A division that comes out even: divisor and quotient are drawn, in the
// order given, and the dividend is made from them.
struct TDivisionsbereich
{
    TZahlenbereich Divisor;
    TZahlenbereich Quotient;
    bool Divisor_zuerst = false;
};

struct TDivision
{
    std::int32_t Dividend = 0;
    std::int32_t Divisor = 1;
};

TDivision Division_ziehen(const TDivisionsbereich &Bereich);
