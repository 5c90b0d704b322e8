#include "exercises/Aufgaben_Erzeugung.h"

#include "core/Vorzeichen_verteilen.h"
#include "core/Zahlenbereich.h"

#include <array>

namespace {
// Z(m, n): 0..n with zero allowed, else 1..n; never signed, signs come later.
constexpr TZahlenbereich Z(bool mit_Null, std::int32_t Betrag_max)
{
    return {mit_Null, Betrag_max};
}

constexpr TZahlenbereich ab(TZahlenbereich B, std::int32_t Minimum)
{
    B.Minimum = Minimum;
    return B;
}

struct TZwei_Zahlen
{
    TZahlenbereich Zahl_1;
    TZahlenbereich Zahl_2;
};

// The operand ranges per difficulty (leicht, mittel, schwer), before signs.
constexpr std::array<TZwei_Zahlen, 3> Summe_Bereiche{{
    {Z(true, 10), Z(true, 10)},
    {Z(false, 30), Z(false, 15)},
    {ab(Z(false, 30), 12), ab(Z(false, 30), 12)},
}};

constexpr std::array<TZwei_Zahlen, 3> Produkt_Bereiche{{
    {Z(true, 10), Z(true, 10)},
    {ab(Z(false, 20), 12), ab(Z(false, 12), 6)},
    {ab(Z(false, 20), 12), ab(Z(false, 15), 6)},
}};

constexpr std::array<TDivisionsbereich, 3> Division_Bereiche{{
    {Z(false, 10), Z(false, 10), true},
    {{false, 20, 5, 14}, {true, 10, 0, INT32_MAX, 1}, false},
    {ab(Z(false, 20), 11), {false, 10, 0, INT32_MAX, 1}, false},
}};

void Zahlen_ziehen(TEinstellung_Aufgabe &A, const TZwei_Zahlen &B)
{
    A.Zahl_1 = Zahl_ziehen(B.Zahl_1);
    A.Zahl_2 = Zahl_ziehen(B.Zahl_2);
}
}

void Aufgabe_ziehen(TEinstellung_Aufgabe &A)
{
    const auto Stufe = std::size_t(A.Schwierigkeitsgrad);
    if (A.Rechenart == TRechenart::Division) {
        const TDivision D = Division_ziehen(Division_Bereiche.at(Stufe));
        A.Zahl_1 = D.Dividend;
        A.Zahl_2 = D.Divisor;
    } else if (A.Rechenart == TRechenart::Multiplikation) {
        Zahlen_ziehen(A, Produkt_Bereiche.at(Stufe));
    } else {
        Zahlen_ziehen(A, Summe_Bereiche.at(Stufe));
    }

    // Three equally likely patterns; never two positive operands.
    Vorzeichen_verteilen(A, 11);
    Ergebnis_berechnen(A);
}

QString Aufgabenstellung_Text(const TEinstellung_Aufgabe &A)
{
    return QStringLiteral(" Aufgabe : ") + Aufgabe_in_Klammern(A) + QStringLiteral(" = ");
}
