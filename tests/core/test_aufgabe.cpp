#include "core/TEinstellung_Aufgabe.h"

#include <QTest>

namespace {
TEinstellung_Aufgabe Aufgabe(int Rechenart, std::int32_t a, std::int32_t b)
{
    TEinstellung_Aufgabe A;
    A.Rechenart = TRechenart(Rechenart);
    A.Zahl_1 = a;
    A.Zahl_2 = b;
    Ergebnis_berechnen(A);
    return A;
}
}

class Test_Aufgabe : public QObject
{
    Q_OBJECT
private slots:
    void Anfangswerte()
    {
        TEinstellung_Aufgabe A = Aufgabe(3, -84, 12);
        A.Ueberschrift = QStringLiteral("x");
        Aufgabe_initialisieren(A);
        QCOMPARE(A.Rechenart, TRechenart::Addition);
        QCOMPARE(A.Rechenzeichen, QChar(u'+'));
        QCOMPARE(A.Loesungsweg, TLoesungsweg::lang);
        QCOMPARE(A.schrittweise, true);
        QCOMPARE(A.Ueberschrift, QStringLiteral("Überschrift"));
        QCOMPARE(A.Ergebnis, 2);
        QCOMPARE(A.STR_Zahl_2, QStringLiteral("2"));
        QCOMPARE(A.STR_Ergebnis, QStringLiteral("STR_Ergebnis"));
        QCOMPARE(A.STR_Betrag_Zahl_2, QStringLiteral("1"));
    }

    void Vier_Rechenarten()
    {
        QCOMPARE(Aufgabe(0, -12, 3).Ergebnis, -9);
        QCOMPARE(Aufgabe(1, -7, 3).Ergebnis, -10);
        QCOMPARE(Aufgabe(2, -6, -7).Ergebnis, 42);
        QCOMPARE(Aufgabe(3, -84, 12).Ergebnis, -7);
        QCOMPARE(Aufgabe(0, 1, 1).Rechenzeichen, QChar(u'+'));
        QCOMPARE(Aufgabe(1, 1, 1).Rechenzeichen, QChar(u'-'));
        QCOMPARE(Aufgabe(2, 1, 1).Rechenzeichen, QChar(u'*'));
        QCOMPARE(Aufgabe(3, 1, 1).Rechenzeichen, QChar(u':'));
    }

    void Abgeleitete_Werte_einer_Division()
    {
        const TEinstellung_Aufgabe A = Aufgabe(3, -84, 12);
        QCOMPARE(A.VZ_Ergebnis, QChar(u'-'));
        QCOMPARE(A.STR_Betrag_Ergebnis, QStringLiteral("7"));
        QCOMPARE(A.STR_Ergebnis, QStringLiteral("-7"));
        QCOMPARE(A.STR_Zahl_1, QStringLiteral("-84"));
        QCOMPARE(A.STR_Betrag_Zahl_1, QStringLiteral("84"));
        QCOMPARE(A.VZ_Zahl_1, QChar(u'-'));
        QCOMPARE(A.VZ_Zahl_2, QChar(u'+'));
    }

    void Null_hat_das_Vorzeichen_plus()
    {
        const std::int32_t negierte_Null = -0;
        const TEinstellung_Aufgabe A = Aufgabe(3, negierte_Null, -5);
        QCOMPARE(A.Ergebnis, 0);
        QCOMPARE(A.VZ_Zahl_1, QChar(u'+'));
        QCOMPARE(A.STR_Zahl_1, QStringLiteral("0"));
        QCOMPARE(A.VZ_Ergebnis, QChar(u'+'));
    }

    void Unbekannte_Rechenart_laesst_Ergebnis()
    {
        TEinstellung_Aufgabe A;
        A.Rechenart = TRechenart(7);
        A.Zahl_1 = 5;
        A.Zahl_2 = 6;
        Ergebnis_berechnen(A);
        QCOMPARE(A.Ergebnis, 2);
        QCOMPARE(A.STR_Zahl_1, QStringLiteral("5"));
    }
};

QTEST_APPLESS_MAIN(Test_Aufgabe)
#include "test_aufgabe.moc"
