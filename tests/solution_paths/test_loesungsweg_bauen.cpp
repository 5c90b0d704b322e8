#include "solution_paths/Loesungsweg_bauen.h"
#include "solution_paths/Tarvo_Aufgabe_erzeugen.h"

#include "core/Zufall.h"

#include <QTest>

namespace {

using Feldart = TLoesungsschritt_Daten::TZahlenfeld;

TEinstellung_Aufgabe Aufgabe(int Rechenart, int Zahl_1, int Zahl_2, int Loesungsweg = 1)
{
    TEinstellung_Aufgabe A;
    A.Rechenart = TRechenart(Rechenart);
    A.Loesungsweg = TLoesungsweg(Loesungsweg);
    A.Loesungsausgabe = TLoesungsausgabe::direkt;
    A.Zahl_1 = Zahl_1;
    A.Zahl_2 = Zahl_2;
    Aufgabe_berechnen(A);
    return A;
}

QList<int> Nummern(const QList<TLoesungsschritt_Daten> &Weg)
{
    QList<int> N;
    for (const auto &S : Weg)
        N << S.Nummer;
    return N;
}

// Column (from 1) of the n-th colon of a line, 0 when there is none.
int Doppelpunkt_Spalte(const QString &Zeile, int n = 1)
{
    int i = -1;
    for (int k = 0; k < n; ++k) {
        i = Zeile.indexOf(u':', i + 1);
        if (i < 0)
            return 0;
    }
    return i + 1;
}

int Letzter_Doppelpunkt(const QString &Zeile)
{
    return Zeile.lastIndexOf(u':') + 1;
}

bool Gleiche_Zeilen(const QList<TLoesungsschritt_Daten> &a, const QList<TLoesungsschritt_Daten> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a[i].Nummer != b[i].Nummer || a[i].Ueberschrift != b[i].Ueberschrift || a[i].Zeilen != b[i].Zeilen
            || a[i].Zahlenfeld_Text() != b[i].Zahlenfeld_Text() || a[i].verdeckt != b[i].verdeckt)
            return false;
    return true;
}

} // namespace

class Test_Loesungsweg_bauen : public QObject
{
    Q_OBJECT
private slots:
    void Subtraktion_lang_und_kurz()
    {
        auto A = Aufgabe(1, -7, 3);
        const auto Weg = Loesungsweg_bauen(A);
        QCOMPARE(Nummern(Weg), (QList<int>{2, 3, 4}));

        QCOMPARE(Weg[0].Ueberschrift, QStringLiteral("Differenz als Summe schreiben"));
        QCOMPARE(Weg[0].Feld, Feldart::Aufgabe);
        QCOMPARE(Weg[0].Zahlenfeld_Text(), QStringLiteral("= (-7) + (-3)"));
        QCOMPARE(Weg[0].Zeilen,
                 (QStringList{
                     QStringLiteral("Differenz als Summe schreiben:"), QString(),
                     QStringLiteral(
                         "Man subtrahiert eine Zahl, indem man seine Gegenzahl addiert : (-7) - 3 = (-7) + (-3)")}));

        QCOMPARE(Weg[1].Ueberschrift, QStringLiteral("Regeln zur Addition anwenden"));
        QCOMPARE(Weg[1].Zahlenfeld_Text(), QStringLiteral("= -(7 + 3)"));
        QCOMPARE(Weg[1].Zeilen,
                 (QStringList{
                     QStringLiteral("Regeln beachten:"), QString(),
                     QStringLiteral(
                         "Bestimmung des Vorzeichens : Hier sind die Vorzeichen der Summanden gleich: beide sind : -"),
                     QStringLiteral(
                         "                             Das Ergebnis erhält das gemeinsame Vorzeichen:            : -"),
                     QStringLiteral("Bestimmung des Betrages    : Der Betrag des Ergebnisses ist die Summe der Beträge "
                                    "der Summanden : ( 7 + 3 ).")}));

        QCOMPARE(Weg[2].Ueberschrift, QStringLiteral("Summe berechnen"));
        QCOMPARE(Weg[2].Feld, Feldart::Zahl);
        QCOMPARE(Weg[2].Zahlenfeld_Text(), QStringLiteral("= -10"));
        QCOMPARE(
            Weg[2].Zeilen,
            (QStringList{
                QStringLiteral("Summe berechnen:"), QString(),
                QStringLiteral("Bestimmung des Vorzeichens : Das Vorzeichen ist bestimmt worden : -"),
                QStringLiteral("Bestimmung des Betrage     : Die Beträge sind addiert worden    : ( 7 + 3 ) = 10")}));
        QCOMPARE(A.Ueberschrift, QStringLiteral("Summe berechnen"));

        auto K = Aufgabe(1, -7, 3, 0);
        const auto Kurz = Loesungsweg_bauen(K);
        QCOMPARE(Nummern(Kurz), (QList<int>{2, 4}));
        QCOMPARE(Kurz[0].Zeilen, Weg[0].Zeilen);
        QCOMPARE(Kurz[1].Zeilen, Weg[2].Zeilen);
    }

    void Division_lang()
    {
        auto A = Aufgabe(3, 36, -4);
        const auto Weg = Loesungsweg_bauen(A);
        QCOMPARE(Nummern(Weg), (QList<int>{3, 4}));
        QCOMPARE(Weg[0].Ueberschrift, QStringLiteral("Regeln zur Division anwenden"));
        QCOMPARE(Weg[0].Zahlenfeld_Text(), QStringLiteral("= -(36 : 4)"));
        QCOMPARE(Weg[0].Zeilen,
                 (QStringList{
                     QStringLiteral("Regeln beachten:"), QString(),
                     QStringLiteral(
                         "Vorzeichen des Ergebnisses ist das Vorzeichen nach den Vorzeichenregeln: hier : + : - = -"),
                     QStringLiteral("Vorzeichenregel: + * + = + | + * - = - | - * + = - | - * - = + |"),
                     QStringLiteral("Die Beträge werden dividiert :  (36 : 4)")}));
        QCOMPARE(Weg[1].Ueberschrift, QStringLiteral("Quotient berechnen"));
        QCOMPARE(Weg[1].Zahlenfeld_Text(), QStringLiteral("= -9"));
        QCOMPARE(Weg[1].Zeilen,
                 (QStringList{QStringLiteral("Quotient berechnen:"), QString(),
                              QStringLiteral("Das Vorzeichen des Ergebnisses ist bestimmt worden : -"),
                              QStringLiteral("Die Beträge sind dividiert worden                  : (36 : 4) = 9")}));
    }

    void Multiplikation_lang()
    {
        auto A = Aufgabe(2, -6, -7);
        const auto Weg = Loesungsweg_bauen(A);
        QCOMPARE(Nummern(Weg), (QList<int>{3, 4}));
        QCOMPARE(Weg[0].Zeilen.at(2),
                 QStringLiteral(
                     "Vorzeichen des Ergebnisses ist das Vorzeichen nach den Vorzeichenregeln : hier : - * - = +"));
        QCOMPARE(Weg[0].Zeilen.at(4), QStringLiteral("Die Beträge werden multipliziert :  (6 * 7)"));
        QCOMPARE(Weg[0].Zahlenfeld_Text(), QStringLiteral("= +(6 * 7)"));
        QCOMPARE(Weg[1].Zeilen.at(3),
                 QStringLiteral("Die Beträge sind multipliziert worden              : (6 * 7) = 42"));
        QCOMPARE(Weg[1].Zahlenfeld_Text(), QStringLiteral("= 42"));
    }

    void Verschiedene_Vorzeichen()
    {
        // Equal absolute values put the second first; 0 gets "+".
        auto A = Aufgabe(0, 4, -4);
        auto Weg = Loesungsweg_bauen(A);
        QCOMPARE(
            Weg[0].Zeilen.at(2),
            QStringLiteral("Bestimmung des Vorzeichens : Hier sind die Vorzeichen der Summanden verschieden : + / -"));
        QCOMPARE(Weg[0].Zeilen.at(3),
                 QStringLiteral("                             Das Ergebnis erhält das Vorzeichen des Summanden mit dem "
                                "größerem Betrag : +"));
        QCOMPARE(Weg[0].Zeilen.at(4),
                 QStringLiteral("Bestimmung des Betrages    : Der Betrag des Ergebnisses ist die Differenz aus dem "
                                "größeren Betrag und dem kleineren Betrag : ( 4 - 4 )"));
        QCOMPARE(Weg[0].Zahlenfeld_Text(), QStringLiteral("= +(4 - 4)"));
        QCOMPARE(Weg[1].Zeilen.at(2),
                 QStringLiteral("Bestimmung des Vorzeichens : Das Vorzeichen ist bestimmt worden  : +"));
        QCOMPARE(Weg[1].Zeilen.at(3),
                 QStringLiteral("Bestimmung des Betrage     : Die Beträge sind subtrahiert worden : 4 - 4 = 0"));
        QCOMPARE(Weg[1].Zahlenfeld_Text(), QStringLiteral("= 0"));

        // Zero counts as positive, so 0 + (-5) has different signs.
        A = Aufgabe(0, 0, -5);
        Weg = Loesungsweg_bauen(A);
        QCOMPARE(Weg[0].Zahlenfeld_Text(), QStringLiteral("= -(5 - 0)"));
        QCOMPARE(Weg[1].Zeilen.at(3),
                 QStringLiteral("Bestimmung des Betrage     : Die Beträge sind subtrahiert worden : 5 - 0 = 5"));
        QCOMPARE(Weg[1].Zahlenfeld_Text(), QStringLiteral("= -5"));
    }

    void Gleiche_Vorzeichen()
    {
        auto A = Aufgabe(0, -5, -3);
        auto Weg = Loesungsweg_bauen(A);
        QCOMPARE(Weg[0].Zahlenfeld_Text(), QStringLiteral("= -(5 + 3)"));
        QCOMPARE(Weg[1].Zahlenfeld_Text(), QStringLiteral("= -8"));

        // 5 - (-3) is solved as 5 + 3.
        A = Aufgabe(1, 5, -3);
        Weg = Loesungsweg_bauen(A);
        QCOMPARE(Nummern(Weg), (QList<int>{2, 3, 4}));
        QCOMPARE(Weg[0].Zeilen.at(2),
                 QStringLiteral("Man subtrahiert eine Zahl, indem man seine Gegenzahl addiert : 5 - (-3) = 5 + 3"));
        QCOMPARE(Weg[0].Zahlenfeld_Text(), QStringLiteral("= 5 + 3"));
        QCOMPARE(Weg[1].Zeilen.at(2),
                 QStringLiteral(
                     "Bestimmung des Vorzeichens : Hier sind die Vorzeichen der Summanden gleich: beide sind : +"));
        QCOMPARE(Weg[1].Zahlenfeld_Text(), QStringLiteral("= +(5 + 3)"));
        QCOMPARE(Weg[2].Zeilen.at(3),
                 QStringLiteral("Bestimmung des Betrage     : Die Beträge sind addiert worden    : ( 5 + 3 ) = 8"));
    }

    void Null_Regeln_data()
    {
        QTest::addColumn<int>("Rechenart");
        QTest::addColumn<int>("Zahl_1");
        QTest::addColumn<int>("Zahl_2");
        QTest::addColumn<QString>("Ueberschrift");
        QTest::addColumn<QString>("Regel");
        const QString M = QStringLiteral("Regeln zur Multiplikation anwenden");
        const QString Mr = QStringLiteral("Ist ein Faktor 0, so ist das Produkt 0.");
        QTest::newRow("0 * (-6)") << 2 << 0 << -6 << M << Mr;
        QTest::newRow("(-6) * 0") << 2 << -6 << 0 << M << Mr;
        QTest::newRow("0 : (-5)") << 3 << 0 << -5 << QStringLiteral("Regeln zur Division anwenden")
                                  << QStringLiteral("0 geteilt durch eine Zahl gleich 0.");
    }

    void Null_Regeln()
    {
        QFETCH(int, Rechenart);
        QFETCH(int, Zahl_1);
        QFETCH(int, Zahl_2);
        QFETCH(QString, Ueberschrift);
        QFETCH(QString, Regel);
        for (int Weg_Art : {0, 1}) {
            auto A = Aufgabe(Rechenart, Zahl_1, Zahl_2, Weg_Art);
            const auto Weg = Loesungsweg_bauen(A);
            QCOMPARE(Nummern(Weg), QList<int>{3});
            QCOMPARE(Weg[0].Ueberschrift, Ueberschrift);
            QCOMPARE(Weg[0].Zeilen, (QStringList{QStringLiteral("Regeln beachten:"), QString(), Regel}));
            QCOMPARE(Weg[0].Feld, Feldart::Zahl);
            QCOMPARE(Weg[0].Zahlenfeld_Text(), QStringLiteral("= 0"));
        }
    }

    // A task judged on the exercise page: its operands under this page's path
    // kind and output mode, the same rows as the demonstrator's own task, and
    // a task row that says where it came from.
    void Aufgabe_aus_der_Uebung_data()
    {
        QTest::addColumn<int>("Rechenart");
        QTest::addColumn<int>("Zahl_1");
        QTest::addColumn<int>("Zahl_2");
        QTest::addColumn<QString>("Text");
        QTest::newRow("Addition mit Null") << 0 << 0 << -5 << QStringLiteral("(0)+(-5)");
        QTest::newRow("Subtraktion") << 1 << -7 << 3 << QStringLiteral("(-7)-(3)");
        QTest::newRow("Multiplikation") << 2 << -13 << -6 << QStringLiteral("(-13)*(-6)");
        QTest::newRow("Division") << 3 << 84 << -12 << QStringLiteral("(84):(-12)");
    }
    void Aufgabe_aus_der_Uebung()
    {
        QFETCH(int, Rechenart);
        QFETCH(int, Zahl_1);
        QFETCH(int, Zahl_2);
        QFETCH(QString, Text);
        TEinstellung_Aufgabe Uebung;
        Uebung.Rechenart = TRechenart(Rechenart);
        Uebung.Schwierigkeitsgrad = TSchwierigkeitsgrad::schwer;
        Uebung.Loesungsweg = TLoesungsweg::kurz;
        Uebung.Loesungsausgabe = TLoesungsausgabe::direkt;
        Uebung.Zahl_1 = Zahl_1;
        Uebung.Zahl_2 = Zahl_2;
        Ergebnis_berechnen(Uebung);
        for (int Weg_Art : {0, 1}) {
            TEinstellung_Aufgabe Seite;
            Seite.Loesungsweg = TLoesungsweg(Weg_Art);
            Seite.Loesungsausgabe = TLoesungsausgabe::schrittweise;
            QStringList Memo;
            Uebungsaufgabe_uebernehmen(Seite, Uebung, Memo);
            QCOMPARE(Memo, (QStringList{QStringLiteral("Aufgabe aus der Übung:"), QString(), Text}));
            QCOMPARE(int(Seite.Rechenart), Rechenart);
            QVERIFY(Seite.Schwierigkeitsgrad == TSchwierigkeitsgrad::schwer);
            QCOMPARE(int(Seite.Loesungsweg), Weg_Art);
            QVERIFY(Seite.Loesungsausgabe == TLoesungsausgabe::schrittweise);
            QVERIFY(Seite.schrittweise);
            auto Eigene = Aufgabe(Rechenart, Zahl_1, Zahl_2, Weg_Art);
            Eigene.schrittweise = true;
            QVERIFY(Gleiche_Zeilen(Loesungsweg_bauen(Seite), Loesungsweg_bauen(Eigene)));
        }
    }

    void Zweimal_gebaut_gleich_und_Aufgabe_unveraendert()
    {
        auto A = Aufgabe(1, -7, -3);
        A.schrittweise = true;
        const TEinstellung_Aufgabe vorher = A;
        const auto Erster = Loesungsweg_bauen(A);
        const auto Zweiter = Loesungsweg_bauen(A);
        QVERIFY(Gleiche_Zeilen(Erster, Zweiter));
        for (const auto &S : Erster)
            QVERIFY(S.verdeckt && S.mit_Gleich);
        QCOMPARE(A.Zahl_2, vorher.Zahl_2);
        QCOMPARE(A.VZ_Zahl_2, vorher.VZ_Zahl_2);
        QCOMPARE(A.Ergebnis, vorher.Ergebnis);
        QCOMPARE(A.STR_Zahl_2, vorher.STR_Zahl_2);
        QCOMPARE(Erster[0].Zahlenfeld_Text(), QStringLiteral("= (-7) + 3"));
    }

    // Over many drawn tasks of every kind: the right rows, and the columns
    // laid out for the fixed-pitch font.
    void Gezogene_Aufgaben_Zeilen_und_Spalten()
    {
        Zufall_Startwert_setzen(20240611);
        int geprueft_gleich_lang = 0;
        for (int Rechenart = 0; Rechenart < 4; ++Rechenart)
            for (int Grad = 0; Grad < 3; ++Grad)
                for (int Weg_Art = 0; Weg_Art < 2; ++Weg_Art)
                    for (int n = 0; n < 400; ++n) {
                        TEinstellung_Aufgabe A;
                        A.Rechenart = TRechenart(Rechenart);
                        A.Schwierigkeitsgrad = TSchwierigkeitsgrad(Grad);
                        A.Loesungsweg = TLoesungsweg(Weg_Art);
                        QStringList Memo;
                        Aufgabe_erzeugen(A, Memo);
                        const auto Weg = Loesungsweg_bauen(A);

                        QList<int> erwartet;
                        const bool Null =
                            (Rechenart == 2 && (A.Zahl_1 == 0 || A.Zahl_2 == 0)) || (Rechenart == 3 && A.Zahl_1 == 0);
                        if (Null)
                            erwartet = {3};
                        else {
                            if (Rechenart == 1)
                                erwartet << 2;
                            if (Weg_Art == 1)
                                erwartet << 3;
                            erwartet << 4;
                        }
                        QCOMPARE(Nummern(Weg), erwartet);
                        QCOMPARE(Weg.last().Zahlenfeld_Text().endsWith(QString::number(A.Ergebnis)), true);

                        const int Summand_2 = Rechenart == 1 ? -A.Zahl_2 : A.Zahl_2;
                        const bool gleich = (A.Zahl_1 >= 0) == (Summand_2 >= 0);
                        for (const auto &S : Weg) {
                            for (const QString &Z : S.Zeilen)
                                if (Z.startsWith(QStringLiteral("Bestimmung des")))
                                    QCOMPARE(Doppelpunkt_Spalte(Z), 28);
                            if (S.Nummer == 4) {
                                const int Spalte = Rechenart >= 2 ? 52 : (gleich ? 65 : 66);
                                const int n_Doppelpunkt = Rechenart >= 2 ? 1 : 2;
                                QCOMPARE(Doppelpunkt_Spalte(S.Zeilen.at(2), n_Doppelpunkt), Spalte);
                                QCOMPARE(Doppelpunkt_Spalte(S.Zeilen.at(3), n_Doppelpunkt), Spalte);
                                QCOMPARE(Letzter_Doppelpunkt(S.Zeilen.at(2)), Spalte);
                            }
                            if (S.Nummer == 3 && Rechenart < 2) {
                                QVERIFY(S.Zeilen.at(3).startsWith(QString(29, u' ') + QStringLiteral("Das")));
                                if (gleich) {
                                    ++geprueft_gleich_lang;
                                    QCOMPARE(Letzter_Doppelpunkt(S.Zeilen.at(2)), 88);
                                    QCOMPARE(Letzter_Doppelpunkt(S.Zeilen.at(3)), 88);
                                }
                            }
                        }
                    }
        QVERIFY(geprueft_gleich_lang > 100);
    }
};

QTEST_APPLESS_MAIN(Test_Loesungsweg_bauen)
#include "test_loesungsweg_bauen.moc"
