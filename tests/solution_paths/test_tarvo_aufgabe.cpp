#include "solution_paths/TAusgabe_Regeln.h"
#include "solution_paths/Tarvo_Aufgabe_erzeugen.h"

#include "core/Vorzeichen_verteilen.h"
#include "core/Zufall.h"

#include <QTest>
#include <set>

namespace {

constexpr int Ziehungen = 20000;

struct TZaehlung
{
    std::set<int> Betraege_1, Betraege_2;
    int beide_positiv = 0; // both operands drawn positive (zero not counted)
    int Quotient_eins = 0;
    int ungerade = 0;
};

TZaehlung Zaehlen(int Rechenart, int Grad)
{
    TZaehlung Z;
    for (int n = 0; n < Ziehungen; ++n) {
        TEinstellung_Aufgabe A;
        A.Rechenart = TRechenart(Rechenart);
        A.Schwierigkeitsgrad = TSchwierigkeitsgrad(Grad);
        QStringList Memo;
        Aufgabe_erzeugen(A, Memo);
        Z.Betraege_1.insert(A.Betrag_Zahl_1);
        Z.Betraege_2.insert(A.Betrag_Zahl_2);
        if (A.Zahl_1 > 0 && A.Zahl_2 > 0)
            ++Z.beide_positiv;
        if (Rechenart == 3) {
            if (A.Zahl_1 % A.Zahl_2 != 0)
                ++Z.ungerade;
            if (A.Betrag_Ergebnis == 1)
                ++Z.Quotient_eins;
        }
    }
    return Z;
}

std::set<int> Bereich(int von, int bis)
{
    std::set<int> S;
    for (int i = von; i <= bis; ++i)
        S.insert(i);
    return S;
}

} // namespace

class Test_Tarvo_Aufgabe : public QObject
{
    Q_OBJECT
private slots:
    void Summe_Differenz_Produkt_Bereiche_und_Vorzeichen()
    {
        Zufall_Startwert_setzen(4711);
        const std::set<int> erwartet[3] = {Bereich(1, 10), Bereich(0, 20), Bereich(0, 99)};
        for (int Rechenart = 0; Rechenart < 3; ++Rechenart)
            for (int Grad = 0; Grad < 3; ++Grad) {
                const TZaehlung Z = Zaehlen(Rechenart, Grad);
                QCOMPARE(Z.Betraege_1, erwartet[Grad]);
                QCOMPARE(Z.Betraege_2, erwartet[Grad]);
                // Two positive operands come from r in 12..13: 2/14 of the draws.
                const double Anteil = double(Z.beide_positiv) / Ziehungen;
                if (Grad == 0)
                    QVERIFY2(qAbs(Anteil - 2.0 / 14) < 0.015, qPrintable(QString::number(Anteil)));
                else
                    QVERIFY2(Anteil < 2.0 / 14 + 0.015, qPrintable(QString::number(Anteil)));
            }
    }

    void Division_Bereiche_und_Vorzeichen()
    {
        Zufall_Startwert_setzen(815);
        // Dividend = quotient * divisor.
        auto Dividenden = [](int q_von, int q_bis, int d_von, int d_bis) {
            std::set<int> S;
            for (int q = q_von; q <= q_bis; ++q)
                for (int d = d_von; d <= d_bis; ++d)
                    if (q != 1 || q_von == 1)
                        S.insert(q * d);
            return S;
        };
        const std::set<int> Divisoren[3] = {Bereich(1, 10), Bereich(5, 20), Bereich(11, 20)};
        const std::set<int> Dividend[3] = {Dividenden(1, 10, 1, 10), Dividenden(0, 10, 5, 20),
                                           Dividenden(0, 20, 11, 20)};
        for (int Grad = 0; Grad < 3; ++Grad) {
            const TZaehlung Z = Zaehlen(3, Grad);
            QCOMPARE(Z.Betraege_2, Divisoren[Grad]);
            QCOMPARE(Z.Betraege_1, Dividend[Grad]);
            QCOMPARE(Z.ungerade, 0);
            QCOMPARE(Z.beide_positiv, 0);
            if (Grad > 0)
                QCOMPARE(Z.Quotient_eins, 0);
            else
                QVERIFY(Z.Quotient_eins > 0);
        }
        QCOMPARE(*Dividend[1].rbegin(), 200);
        QCOMPARE(*std::next(Dividend[2].begin()), 22);
    }

    void Vorzeichenziehung_Anteile()
    {
        // Quarter shares for r 0..3 / 4..7 / 8..11 and 2/14 unchanged.
        Zufall_Startwert_setzen(99);
        int nur_1 = 0, nur_2 = 0, beide = 0, keine = 0;
        for (int n = 0; n < 28000; ++n) {
            TEinstellung_Aufgabe A;
            A.Zahl_1 = 3;
            A.Zahl_2 = 4;
            Vorzeichen_verteilen(A, 13);
            (A.Zahl_1 < 0 ? (A.Zahl_2 < 0 ? beide : nur_1) : (A.Zahl_2 < 0 ? nur_2 : keine))++;
        }
        for (int Anzahl : {nur_1, nur_2, beide})
            QVERIFY(qAbs(Anzahl - 8000) < 400);
        QVERIFY(qAbs(keine - 4000) < 300);

        keine = 0;
        for (int n = 0; n < 12000; ++n) {
            TEinstellung_Aufgabe A;
            A.Zahl_1 = 3;
            A.Zahl_2 = 4;
            Vorzeichen_verteilen(A, 11);
            if (A.Zahl_1 > 0 && A.Zahl_2 > 0)
                ++keine;
        }
        QCOMPARE(keine, 0);
    }

    void Zeilen_fuer_Memo1()
    {
        Zufall_Startwert_setzen(1);
        TEinstellung_Aufgabe A;
        QStringList Memo;
        A.Schwierigkeitsgrad = TSchwierigkeitsgrad::mittel;
        Zahlen_erzeugen(A, Memo);
        QCOMPARE(Memo,
                 (QStringList{QStringLiteral("mittelschwere Aufgabe:"), QString(),
                              QStringLiteral("Zahlen aus : -20..+20")}));
        Memo.clear();
        A.Schwierigkeitsgrad = TSchwierigkeitsgrad::leicht;
        Zahlen_erzeugen_Division(A, Memo);
        QCOMPARE(Memo,
                 (QStringList{QStringLiteral("leichte Aufgabe:"), QString(),
                              QStringLiteral("Dividend aus:-100..-1,+1..+100"),
                              QStringLiteral("Divisor  aus:- 10..-1,+1..+ 10")}));
        Memo.clear();
        A.Schwierigkeitsgrad = TSchwierigkeitsgrad::schwer;
        Zahlen_erzeugen_Division(A, Memo);
        QCOMPARE(Memo.last(), QStringLiteral("Divisor  aus:-20..-11,+11..+20"));
    }

    void Ziehungsreihenfolge_leichte_Division()
    {
        // Divisor first, then quotient, then the sign value.
        Zufall_Startwert_setzen(777);
        const int Divisor = int(Zufall_R(10)) + 1;
        const int Quotient = int(Zufall_R(10)) + 1;
        const int r = int(Zufall_R(12));
        Zufall_Startwert_setzen(777);
        TEinstellung_Aufgabe A;
        A.Rechenart = TRechenart::Division;
        QStringList Memo;
        Aufgabe_erzeugen(A, Memo);
        QCOMPARE(A.Betrag_Zahl_2, Divisor);
        QCOMPARE(A.Betrag_Zahl_1, Quotient * Divisor);
        QCOMPARE(A.Zahl_1 < 0, r <= 3 || (r >= 8 && r <= 11));
        QCOMPARE(A.Zahl_2 < 0, r >= 4 && r <= 11);
    }

    void Aufgabe_berechnen_setzt_Kopf_und_schrittweise()
    {
        for (int Ausgabe = 0; Ausgabe < 3; ++Ausgabe) {
            TEinstellung_Aufgabe A;
            A.Rechenart = TRechenart::Division;
            A.Zahl_1 = 0;
            A.Zahl_2 = -5;
            A.Loesungsausgabe = TLoesungsausgabe(Ausgabe);
            Aufgabe_berechnen(A);
            QCOMPARE(A.schrittweise, Ausgabe == 2);
            QCOMPARE(A.Ueberschrift, QStringLiteral("Aufgabe"));
            QCOMPARE(A.Ergebnis, 0);
            QCOMPARE(A.VZ_Ergebnis, QChar(u'+'));
            QCOMPARE(A.Rechenzeichen, QChar(u':'));
        }
    }

    void Ausgabe_Regeln_je_Modus()
    {
        const TAusgabe_Regeln direkt = Ausgabe_Regeln(TLoesungsausgabe::direkt);
        QVERIFY(!direkt.Button_loesen_sichtbar && direkt.sofort_loesen && !direkt.verdeckt && !direkt.Fokus_wechseln);
        const TAusgabe_Regeln spaeter = Ausgabe_Regeln(TLoesungsausgabe::nicht_direkt);
        QVERIFY(spaeter.Button_loesen_sichtbar && !spaeter.sofort_loesen && spaeter.Fokus_wechseln);
        const TAusgabe_Regeln schritt = Ausgabe_Regeln(TLoesungsausgabe::schrittweise);
        QVERIFY(schritt.Button_loesen_sichtbar && schritt.sofort_loesen && schritt.verdeckt && schritt.Fokus_wechseln);
    }

    void Zahl_geklammert_nur_negativ()
    {
        QCOMPARE(Zahl_geklammert(-8), QStringLiteral("(-8)"));
        QCOMPARE(Zahl_geklammert(0), QStringLiteral("0"));
        QCOMPARE(Zahl_geklammert(12), QStringLiteral("12"));
    }
};

QTEST_APPLESS_MAIN(Test_Tarvo_Aufgabe)
#include "test_tarvo_aufgabe.moc"
