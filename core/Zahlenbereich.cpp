#include "core/Zahlenbereich.h"

#include "core/Zufall.h"

std::int32_t Zahl_ziehen(const TZahlenbereich &B)
{
    std::int32_t Zahl = 0;
    do
        Zufallszahl(B.mit_Null, false, B.Betrag_max, Zahl);
    while (Zahl < B.Minimum || Zahl > B.Maximum || Zahl == B.Ausnahme);
    return Zahl;
}

TDivision Division_ziehen(const TDivisionsbereich &B)
{
    std::int32_t Divisor = 1;
    std::int32_t Quotient = 1;
    if (B.Divisor_zuerst) {
        Divisor = Zahl_ziehen(B.Divisor);
        Quotient = Zahl_ziehen(B.Quotient);
    } else {
        Quotient = Zahl_ziehen(B.Quotient);
        Divisor = Zahl_ziehen(B.Divisor);
    }
    return {Quotient * Divisor, Divisor};
}
