#include "core/Zufall.h"

#include <QTest>
#include <map>

class Test_Zufall : public QObject
{
    Q_OBJECT
private slots:
    void Generator_gegen_Handrechnung()
    {
        // seed := seed * 134775813 + 1 mod 2^32; R(n) = (seed * n) >> 32
        Zufall_Startwert_setzen(12345);
        QCOMPARE(Zufall_R(10), 3u);     // seed 1655067934
        QCOMPARE(Zufall_R(100), 28u);   // seed 1242767767
        QCOMPARE(Zufall_R(2), 0u);      // seed 342459380
        QCOMPARE(Zufall_R(1000), 553u); // seed 2377737157
    }

    void Startwert_null_wird_fortgeschrieben()
    {
        Zufall_Startwert_setzen(0);
        QCOMPARE(Zufall_R(4294967295u), 0u);     // seed 1
        QCOMPARE(Zufall_R(1u << 31), 67387907u); // seed 134775814
    }

    void Vier_Arten_mit_ihren_Bereichen_data()
    {
        QTest::addColumn<bool>("mit_Null");
        QTest::addColumn<bool>("mit_Vorzeichen");
        QTest::addColumn<int>("kleinster");
        QTest::addColumn<int>("groesster");
        QTest::newRow("0..5") << true << false << 0 << 5;
        QTest::newRow("-5..5") << true << true << -5 << 5;
        QTest::newRow("1..5") << false << false << 1 << 5;
        QTest::newRow("-5..-1,1..5") << false << true << -5 << 5;
    }

    void Vier_Arten_mit_ihren_Bereichen()
    {
        QFETCH(bool, mit_Null);
        QFETCH(bool, mit_Vorzeichen);
        QFETCH(int, kleinster);
        QFETCH(int, groesster);
        Zufall_Startwert_setzen(4711);
        std::map<int, int> Haeufigkeit;
        const int Anzahl = 60000;
        for (int i = 0; i < Anzahl; ++i) {
            std::int32_t z = 999;
            Zufallszahl(mit_Null, mit_Vorzeichen, 5, z);
            ++Haeufigkeit[z];
        }
        for (int w = kleinster; w <= groesster; ++w) {
            const bool erlaubt = mit_Null || w != 0;
            QCOMPARE(Haeufigkeit.count(w) == 1, erlaubt);
        }
        QCOMPARE(Haeufigkeit.begin()->first, kleinster);
        QCOMPARE(Haeufigkeit.rbegin()->first, groesster);
        const int Werte = int(Haeufigkeit.size());
        for (auto [w, n] : Haeufigkeit) {
            // With a sign and zero allowed, 0 comes from both halves.
            const double Anteil = (mit_Null && mit_Vorzeichen) ? (w == 0 ? 2.0 / 12 : 1.0 / 12) : 1.0 / Werte;
            QVERIFY2(qAbs(double(n) / Anzahl - Anteil) < 0.01, qPrintable(QString::number(w)));
        }
    }

    void Grenzfall_Betrag_max_1()
    {
        Zufall_Startwert_setzen(1);
        bool null = false, eins = false;
        for (int i = 0; i < 200; ++i) {
            std::int32_t z = 0;
            Zufallszahl(false, false, 1, z);
            QCOMPARE(z, 1);
            Zufallszahl(true, false, 1, z);
            QVERIFY(z == 0 || z == 1);
            (z == 0 ? null : eins) = true;
        }
        QVERIFY(null && eins);
    }

    void Vorzeichen_wird_zuerst_gezogen()
    {
        // With a sign the sign draw R(2) consumes the first value.
        Zufall_Startwert_setzen(12345);
        const bool negativ = Zufall_R(2) != 0;
        const std::int32_t Betrag = std::int32_t(Zufall_R(10)) + 1;
        Zufall_Startwert_setzen(12345);
        std::int32_t z = 0;
        Zufallszahl(false, true, 10, z);
        QCOMPARE(z, negativ ? -Betrag : Betrag);
    }

    void Saat_aus_der_Uhr_aendert_die_Folge()
    {
        Zufall_initialisieren();
        const std::uint32_t a = Zufall_R(0xFFFFFFFFu);
        Zufall_initialisieren();
        const std::uint32_t b = Zufall_R(0xFFFFFFFFu);
        QVERIFY(a != b);
    }
};

QTEST_APPLESS_MAIN(Test_Zufall)
#include "test_zufall.moc"
