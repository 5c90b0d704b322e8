#include "solution_paths/Tarvo_Aufgabe_erzeugen.h"

#include "core/Zahlentexte.h"
#include "core/Vorzeichen_verteilen.h"
#include "core/Zahlenbereich.h"

#include <array>

namespace {
// One difficulty of the demonstrator: its operand ranges and the lines that
// describe them above the task row.
struct TTarvo_Stufe
{
    QString Name;
    TZahlenbereich Zahl; // both operands of a sum, difference or product
    QString Zahlen_Text;
    TDivisionsbereich Division;
    QString Dividend_Text;
    QString Divisor_Text;
};

const TTarvo_Stufe &Stufe(TSchwierigkeitsgrad Grad)
{
    static const std::array<TTarvo_Stufe, 3> Stufen{{
        {QStringLiteral("leichte Aufgabe:"),
         {false, 10},
         QStringLiteral("Zahlen aus : -10..-1,+1..+10"),
         {{false, 10}, {false, 10}, true},
         QStringLiteral("Dividend aus:-100..-1,+1..+100"),
         QStringLiteral("Divisor  aus:- 10..-1,+1..+ 10")},
        {QStringLiteral("mittelschwere Aufgabe:"),
         {true, 20},
         QStringLiteral("Zahlen aus : -20..+20"),
         {{false, 20, 5}, {true, 10, 0, INT32_MAX, 1}, false},
         QStringLiteral("Dividend aus:-200..+200"),
         QStringLiteral("Divisor  aus:-20..-5,+5..+20")},
        {QStringLiteral("schwere Aufgabe:"),
         {true, 99},
         QStringLiteral("Zahlen aus : -99..+99"),
         {{false, 20, 11}, {true, 20, 0, INT32_MAX, 1}, false},
         QStringLiteral("Dividend aus:-400..+400"),
         QStringLiteral("Divisor  aus:-20..-11,+11..+20")},
    }};
    return Stufen.at(std::size_t(Grad));
}
}

void Zahlen_erzeugen(TEinstellung_Aufgabe &Einstellung, QStringList &Memo1)
{
    const TTarvo_Stufe &S = Stufe(Einstellung.Schwierigkeitsgrad);
    Memo1 << S.Name << QString() << S.Zahlen_Text;
    Einstellung.Zahl_1 = Zahl_ziehen(S.Zahl);
    Einstellung.Zahl_2 = Zahl_ziehen(S.Zahl);
    Vorzeichen_verteilen(Einstellung, 13);
}

void Zahlen_erzeugen_Division(TEinstellung_Aufgabe &Einstellung, QStringList &Memo1)
{
    const TTarvo_Stufe &S = Stufe(Einstellung.Schwierigkeitsgrad);
    Memo1 << S.Name << QString() << S.Dividend_Text << S.Divisor_Text;
    const TDivision D = Division_ziehen(S.Division);
    Einstellung.Zahl_2 = D.Divisor;
    Einstellung.Zahl_1 = D.Dividend;
    Vorzeichen_verteilen(Einstellung, 11);
}

void Aufgabe_berechnen(TEinstellung_Aufgabe &Einstellung)
{
    Ergebnis_berechnen(Einstellung);
    Einstellung.schrittweise = Einstellung.Loesungsausgabe == TLoesungsausgabe::schrittweise;
    Einstellung.Ueberschrift = QStringLiteral("Aufgabe");
}

void Aufgabe_erzeugen(TEinstellung_Aufgabe &Einstellung, QStringList &Memo1)
{
    if (Einstellung.Rechenart == TRechenart::Division)
        Zahlen_erzeugen_Division(Einstellung, Memo1);
    else
        Zahlen_erzeugen(Einstellung, Memo1);
    Aufgabe_berechnen(Einstellung);
}

void Uebungsaufgabe_uebernehmen(TEinstellung_Aufgabe &Einstellung, const TEinstellung_Aufgabe &Uebungsaufgabe,
                                QStringList &Memo1)
{
    Einstellung.Rechenart = Uebungsaufgabe.Rechenart;
    Einstellung.Schwierigkeitsgrad = Uebungsaufgabe.Schwierigkeitsgrad;
    Einstellung.Zahl_1 = Uebungsaufgabe.Zahl_1;
    Einstellung.Zahl_2 = Uebungsaufgabe.Zahl_2;
    Aufgabe_berechnen(Einstellung);
    Memo1 << QStringLiteral("Aufgabe aus der Übung:") << QString() << Aufgabe_in_Klammern(Einstellung);
}

QString Zahl_geklammert(std::int32_t Wert)
{
    const QString Text = Integer_zu_Text(Wert);
    return Wert < 0 ? QLatin1Char('(') + Text + QLatin1Char(')') : Text;
}
