#include "solution_paths/Tarvo_Aufgabe_erzeugen.h"

#include "core/Zahlentexte.h"
#include "core/Vorzeichen_verteilen.h"
#include "core/Zufall.h"

void Zahlen_erzeugen(TEinstellung_Aufgabe &Einstellung, QStringList &Memo1)
{
    bool mit_Null = false;
    std::int32_t Betrag_max = 10;
    switch (Einstellung.Schwierigkeitsgrad) {
    case 0:
        Memo1 << QStringLiteral("leichte Aufgabe:") << QString()
              << QStringLiteral("Zahlen aus : -10..-1,+1..+10");
        break;
    case 1:
        mit_Null = true;
        Betrag_max = 20;
        Memo1 << QStringLiteral("mittelschwere Aufgabe:") << QString()
              << QStringLiteral("Zahlen aus : -20..+20");
        break;
    default:
        mit_Null = true;
        Betrag_max = 99;
        Memo1 << QStringLiteral("schwere Aufgabe:") << QString()
              << QStringLiteral("Zahlen aus : -99..+99");
        break;
    }
    Zufallszahl(mit_Null, false, Betrag_max, Einstellung.Zahl_1);
    Zufallszahl(mit_Null, false, Betrag_max, Einstellung.Zahl_2);
    Vorzeichen_verteilen(Einstellung, 13);
}

void Zahlen_erzeugen_Division(TEinstellung_Aufgabe &Einstellung, QStringList &Memo1)
{
    std::int32_t Quotient = 1;
    std::int32_t Divisor = 1;
    switch (Einstellung.Schwierigkeitsgrad) {
    case 0:
        Memo1 << QStringLiteral("leichte Aufgabe:") << QString()
              << QStringLiteral("Dividend aus:-100..-1,+1..+100")
              << QStringLiteral("Divisor  aus:- 10..-1,+1..+ 10");
        Zufallszahl(false, false, 10, Divisor);
        Zufallszahl(false, false, 10, Quotient);
        break;
    case 1:
        Memo1 << QStringLiteral("mittelschwere Aufgabe:") << QString()
              << QStringLiteral("Dividend aus:-200..+200")
              << QStringLiteral("Divisor  aus:-20..-5,+5..+20");
        do
            Zufallszahl(true, false, 10, Quotient);
        while (Quotient == 1);
        do
            Zufallszahl(false, false, 20, Divisor);
        while (Divisor < 5);
        break;
    default:
        Memo1 << QStringLiteral("schwere Aufgabe:") << QString()
              << QStringLiteral("Dividend aus:-400..+400")
              << QStringLiteral("Divisor  aus:-20..-11,+11..+20");
        do
            Zufallszahl(true, false, 20, Quotient);
        while (Quotient == 1);
        do
            Zufallszahl(false, false, 20, Divisor);
        while (Divisor <= 10);
        break;
    }
    Einstellung.Zahl_2 = Divisor;
    Einstellung.Zahl_1 = Quotient * Divisor;
    Vorzeichen_verteilen(Einstellung, 11);
}

void Aufgabe_berechnen(TEinstellung_Aufgabe &Einstellung)
{
    Ergebnis_berechnen(Einstellung);
    Einstellung.schrittweise = Einstellung.Loesungsausgabe == 2;
    Einstellung.Ueberschrift = QStringLiteral("Aufgabe");
}

void Aufgabe_erzeugen(TEinstellung_Aufgabe &Einstellung, QStringList &Memo1)
{
    if (Einstellung.Rechenart == 3)
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
    Memo1 << QStringLiteral("Aufgabe aus der Übung:") << QString()
          << u'(' + Einstellung.STR_Zahl_1 + u')' + Einstellung.Rechenzeichen + u'(' + Einstellung.STR_Zahl_2 + u')';
}

QString Zahl_geklammert(std::int32_t Wert)
{
    const QString Text = Integer_zu_Text(Wert);
    return Wert < 0 ? QLatin1Char('(') + Text + QLatin1Char(')') : Text;
}
