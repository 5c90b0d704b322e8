#include "core/Zufall.h"
#include "exercises/Aufgaben_Erzeugung.h"

#include <QTest>
#include <cstdlib>
#include <set>

namespace {
std::set<int> Bereich(int von, int bis)
{
    std::set<int> S;
    for (int i = von; i <= bis; ++i)
        S.insert(i);
    return S;
}

TEinstellung_Aufgabe Einstellung(int Rechenart, int Grad)
{
    TEinstellung_Aufgabe A;
    A.Rechenart = TRechenart(Rechenart);
    A.Schwierigkeitsgrad = TSchwierigkeitsgrad(Grad);
    return A;
}
}

class Test_Aufgaben_Erzeugung : public QObject
{
    Q_OBJECT
private slots:
    void Wertebereiche_und_Vorzeichen_data()
    {
        QTest::addColumn<int>("Rechenart");
        QTest::addColumn<int>("Grad");
        // For division the columns are divisor and quotient (before signs).
        QTest::addColumn<QList<int>>("Erster"); // from, to, excluded (or -1)
        QTest::addColumn<QList<int>>("Zweiter");
        for (int op = 0; op < 2; ++op) {
            const QByteArray n = op == 0 ? "Addition" : "Subtraktion";
            QTest::newRow(n + " leicht") << op << 0 << QList<int>{0, 10, -1} << QList<int>{0, 10, -1};
            QTest::newRow(n + " mittel") << op << 1 << QList<int>{1, 30, -1} << QList<int>{1, 15, -1};
            QTest::newRow(n + " schwer") << op << 2 << QList<int>{12, 30, -1} << QList<int>{12, 30, -1};
        }
        QTest::newRow("Multiplikation leicht") << 2 << 0 << QList<int>{0, 10, -1} << QList<int>{0, 10, -1};
        QTest::newRow("Multiplikation mittel") << 2 << 1 << QList<int>{12, 20, -1} << QList<int>{6, 12, -1};
        QTest::newRow("Multiplikation schwer") << 2 << 2 << QList<int>{12, 20, -1} << QList<int>{6, 15, -1};
        QTest::newRow("Division leicht") << 3 << 0 << QList<int>{1, 10, -1} << QList<int>{1, 10, -1};
        QTest::newRow("Division mittel") << 3 << 1 << QList<int>{5, 14, -1} << QList<int>{0, 10, 1};
        QTest::newRow("Division schwer") << 3 << 2 << QList<int>{11, 20, -1} << QList<int>{2, 10, -1};
    }

    void Wertebereiche_und_Vorzeichen()
    {
        QFETCH(int, Rechenart);
        QFETCH(int, Grad);
        QFETCH(QList<int>, Erster);
        QFETCH(QList<int>, Zweiter);
        std::set<int> erwartet_1 = Bereich(Erster[0], Erster[1]);
        std::set<int> erwartet_2 = Bereich(Zweiter[0], Zweiter[1]);
        erwartet_1.erase(Erster[2]);
        erwartet_2.erase(Zweiter[2]);

        Zufall_Startwert_setzen(20240611u + std::uint32_t(Rechenart * 3 + Grad));
        std::set<int> gesehen_1, gesehen_2;
        int nur_1 = 0, nur_2 = 0, beide = 0, ohne_Null = 0;
        const int Anzahl = 30000;
        for (int i = 0; i < Anzahl; ++i) {
            TEinstellung_Aufgabe A = Einstellung(Rechenart, Grad);
            Aufgabe_ziehen(A);
            QVERIFY2(!(A.Zahl_1 > 0 && A.Zahl_2 > 0), "two positive operands");
            const int b1 = std::abs(A.Zahl_1), b2 = std::abs(A.Zahl_2);
            if (Rechenart == 3) {
                QVERIFY(A.Zahl_2 != 0);
                QCOMPARE(A.Zahl_1 % A.Zahl_2, 0);
                QCOMPARE(A.Ergebnis * A.Zahl_2, A.Zahl_1);
                gesehen_1.insert(b2);
                gesehen_2.insert(std::abs(A.Ergebnis));
            } else {
                gesehen_1.insert(b1);
                gesehen_2.insert(b2);
            }
            if (b1 != 0 && b2 != 0) {
                ++ohne_Null;
                if (A.Zahl_1 < 0 && A.Zahl_2 < 0)
                    ++beide;
                else if (A.Zahl_1 < 0)
                    ++nur_1;
                else
                    ++nur_2;
            }
        }
        QCOMPARE(gesehen_1, erwartet_1);
        QCOMPARE(gesehen_2, erwartet_2);
        for (int k : {nur_1, nur_2, beide})
            QVERIFY2(qAbs(double(k) / ohne_Null - 1.0 / 3) < 0.02, qPrintable(QString::number(k)));
    }

    void Division_zieht_in_der_festgelegten_Reihenfolge()
    {
        // mittel: quotient first (again while 1), then divisor (again until 5..14), then the sign.
        const auto Z = [](bool m, int n) {
            std::int32_t z = 0;
            Zufallszahl(m, false, n, z);
            return z;
        };
        for (std::uint32_t Saat = 1; Saat <= 200; ++Saat) {
            Zufall_Startwert_setzen(Saat);
            int q = Z(true, 10);
            while (q == 1)
                q = Z(true, 10);
            int d = Z(false, 20);
            while (d < 5 || d > 14)
                d = Z(false, 20);
            const int s = Z(true, 11);
            Zufall_Startwert_setzen(Saat);
            TEinstellung_Aufgabe A = Einstellung(3, 1);
            Aufgabe_ziehen(A);
            QCOMPARE(A.Zahl_2, s >= 4 ? -d : d);
            QCOMPARE(A.Zahl_1, (s <= 3 || s >= 8) ? -(q * d) : q * d);
        }
        // leicht: divisor first, then quotient.
        Zufall_Startwert_setzen(77);
        const int d = Z(false, 10), q = Z(false, 10), s = Z(true, 11);
        Zufall_Startwert_setzen(77);
        TEinstellung_Aufgabe A = Einstellung(3, 0);
        Aufgabe_ziehen(A);
        QCOMPARE(std::abs(A.Zahl_2), d);
        QCOMPARE(std::abs(A.Ergebnis), q);
        QCOMPARE(A.Zahl_1 < 0, s <= 3 || s >= 8);
    }

    void Aufgabenstellung()
    {
        TEinstellung_Aufgabe A = Einstellung(0, 0);
        A.Zahl_1 = -12;
        A.Zahl_2 = 3;
        Ergebnis_berechnen(A);
        QCOMPARE(Aufgabenstellung_Text(A), QStringLiteral(" Aufgabe : (-12)+(3) = "));
        A = Einstellung(3, 1);
        A.Zahl_1 = 0;
        A.Zahl_2 = -7;
        Ergebnis_berechnen(A);
        QCOMPARE(Aufgabenstellung_Text(A), QStringLiteral(" Aufgabe : (0):(-7) = "));
    }
};

QTEST_APPLESS_MAIN(Test_Aufgaben_Erzeugung)
#include "test_aufgaben_erzeugung.moc"
