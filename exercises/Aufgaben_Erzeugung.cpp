#include "exercises/Aufgaben_Erzeugung.h"

#include "core/Vorzeichen_verteilen.h"
#include "core/Zufall.h"

namespace {
// Z(m, n): 0..n with zero allowed, else 1..n; never signed, signs come later.
std::int32_t Z(bool mit_Null, std::int32_t Betrag_max)
{
    std::int32_t Zahl = 0;
    Zufallszahl(mit_Null, false, Betrag_max, Zahl);
    return Zahl;
}

// Draws again until the value is accepted, so every accepted value stays equally likely.
template <typename Bedingung>
std::int32_t Z_bis(bool mit_Null, std::int32_t Betrag_max, Bedingung erfuellt)
{
    std::int32_t Zahl = Z(mit_Null, Betrag_max);
    while (!erfuellt(Zahl))
        Zahl = Z(mit_Null, Betrag_max);
    return Zahl;
}

void Division_ziehen(TEinstellung_Aufgabe &A)
{
    std::int32_t Divisor = 1;
    std::int32_t Quotient = 1;
    switch (A.Schwierigkeitsgrad) {
    case TSchwierigkeitsgrad::leicht:
        Divisor = Z(false, 10);
        Quotient = Z(false, 10);
        break;
    case TSchwierigkeitsgrad::mittel:
        Quotient = Z_bis(true, 10, [](std::int32_t q) { return q != 1; });
        Divisor = Z_bis(false, 20, [](std::int32_t d) { return d >= 5 && d <= 14; });
        break;
    case TSchwierigkeitsgrad::schwer:
        Quotient = Z_bis(false, 10, [](std::int32_t q) { return q != 1; });
        Divisor = Z_bis(false, 20, [](std::int32_t d) { return d >= 11; });
        break;
    }
    // The dividend is built from the quotient, so every division comes out even.
    A.Zahl_2 = Divisor;
    A.Zahl_1 = Quotient * Divisor;
}

void Multiplikation_ziehen(TEinstellung_Aufgabe &A)
{
    const auto mindestens = [](std::int32_t Grenze) { return [Grenze](std::int32_t z) { return z >= Grenze; }; };
    switch (A.Schwierigkeitsgrad) {
    case TSchwierigkeitsgrad::leicht:
        A.Zahl_1 = Z(true, 10);
        A.Zahl_2 = Z(true, 10);
        break;
    case TSchwierigkeitsgrad::mittel:
        A.Zahl_1 = Z_bis(false, 20, mindestens(12));
        A.Zahl_2 = Z_bis(false, 12, mindestens(6));
        break;
    case TSchwierigkeitsgrad::schwer:
        A.Zahl_1 = Z_bis(false, 20, mindestens(12));
        A.Zahl_2 = Z_bis(false, 15, mindestens(6));
        break;
    }
}

void Summe_ziehen(TEinstellung_Aufgabe &A)
{
    const auto ab_12 = [](std::int32_t z) { return z >= 12; };
    switch (A.Schwierigkeitsgrad) {
    case TSchwierigkeitsgrad::leicht:
        A.Zahl_1 = Z(true, 10);
        A.Zahl_2 = Z(true, 10);
        break;
    case TSchwierigkeitsgrad::mittel:
        A.Zahl_1 = Z(false, 30);
        A.Zahl_2 = Z(false, 15);
        break;
    case TSchwierigkeitsgrad::schwer:
        A.Zahl_1 = Z_bis(false, 30, ab_12);
        A.Zahl_2 = Z_bis(false, 30, ab_12);
        break;
    }
}
}

void Aufgabe_ziehen(TEinstellung_Aufgabe &A)
{
    if (A.Rechenzeichen == u':')
        Division_ziehen(A);
    else if (A.Rechenzeichen == u'*')
        Multiplikation_ziehen(A);
    else
        Summe_ziehen(A);

    // Three equally likely patterns; never two positive operands.
    Vorzeichen_verteilen(A, 11);
    Ergebnis_berechnen(A);
}

QString Aufgabenstellung_Text(const TEinstellung_Aufgabe &A)
{
    return QStringLiteral(" Aufgabe : (") + A.STR_Zahl_1 + u')' + A.Rechenzeichen + u'(' + A.STR_Zahl_2
        + QStringLiteral(") = ");
}

QChar Rechenzeichen_von(TRechenart Rechenart)
{
    return QStringLiteral("+-*:").at(int(Rechenart));
}
