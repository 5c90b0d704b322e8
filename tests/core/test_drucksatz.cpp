#include "core/Drucksatz.h"

#include <QTest>

// A4 with 2 cm margins, measured for Liberation Mono.
namespace {
const TDruck_Masse A4{0.6, 1.133, 481.9, 728.5};
}

class Test_Drucksatz : public QObject
{
    Q_OBJECT
private slots:
    void Groesse_wie_am_Bildschirm_oder_als_Ganzes_kleiner()
    {
        const QStringList Statistik(37, QString(80, u'='));
        QCOMPARE(Druck_Satz_berechnen(Statistik, 13, A4).Punktgroesse, 9.75);
        QCOMPARE(Druck_Satz_berechnen({QStringLiteral("x")}, 16, A4).Punktgroesse, 12.0);

        // 102 characters at 12 pt would run 250 pt past the margin.
        const QStringList Regeln{QStringLiteral("kurz"), QString(102, u'-')};
        const TDruck_Satz Satz = Druck_Satz_berechnen(Regeln, 16, A4);
        QVERIFY(Satz.Punktgroesse < 12.0);
        QVERIFY(102 * 0.6 * Satz.Punktgroesse <= A4.Breite_Punkte);
        QVERIFY(102 * 0.6 * Satz.Punktgroesse > 0.99 * A4.Breite_Punkte);

        // Trailing blanks leave no ink and do not shrink the text.
        QCOMPARE(Druck_Satz_berechnen({QStringLiteral("ab") + QString(200, u' ')}, 13, A4).Punktgroesse, 9.75);
    }

    void Seiten_nehmen_jede_Zeile_einmal_auf()
    {
        QStringList Zeilen;
        for (int i = 0; i < 10000; ++i)
            Zeilen.append(QString::number(i));
        const TDruck_Satz Satz = Druck_Satz_berechnen(Zeilen, 13, A4);
        // 728.5 pt / 11.05 pt = 65 lines, two kept for the page number.
        QCOMPARE(Satz.Zeilen_je_Seite, 63);
        QCOMPARE(Satz.Seitenzahl, 159);
        QStringList Wieder;
        for (int Seite = 0; Seite < Satz.Seitenzahl; ++Seite)
            Wieder += Zeilen_der_Seite(Zeilen, Satz, Seite);
        QCOMPARE(Wieder, Zeilen);
        QCOMPARE(Zeilen_der_Seite(Zeilen, Satz, 158).size(), 10000 - 158 * 63);

        QCOMPARE(Druck_Satz_berechnen(Zeilen.mid(0, 63), 13, A4).Seitenzahl, 1);
        QCOMPARE(Druck_Satz_berechnen(Zeilen.mid(0, 64), 13, A4).Seitenzahl, 2);
        QCOMPARE(Druck_Satz_berechnen({}, 13, A4).Seitenzahl, 1);
    }
};

QTEST_APPLESS_MAIN(Test_Drucksatz)
#include "test_drucksatz.moc"
