#include "core/Fenster_Lage.h"
#include "core/Reihe_mit_Knopf.h"
#include "core/Reiter_Anordnung.h"

#include <QTest>

// Where tabs and windows go on a small screen: pure geometry.
class Test_Bildschirm_Lage : public QObject
{
    Q_OBJECT

    // The seven captions of the detailed evaluation, as wide as at 96 dpi.
    const QList<int> Sieben = {70, 220, 400, 450, 450, 300, 95};

    static bool ueberlappen(const QList<QRect> &R)
    {
        for (int i = 0; i < R.size(); ++i)
            for (int j = i + 1; j < R.size(); ++j)
                if (R.at(i).intersects(R.at(j)))
                    return true;
        return false;
    }

private slots:
    void Eine_Zeile_wenn_alles_passt()
    {
        const TReiter_Anordnung A = Reiter_anordnen({80, 120, 60}, 24, 500, 1);
        QCOMPARE(A.Zeilen, 1);
        QCOMPARE(A.Reiter, (QList<QRect>{QRect(0, 0, 80, 24), QRect(80, 0, 120, 24), QRect(200, 0, 60, 24)}));
    }

    void Mehrere_Zeilen_jede_Beschriftung_ganz_data()
    {
        QTest::addColumn<int>("Breite");
        QTest::addColumn<int>("Zeilen");
        QTest::newRow("1366er Schirm") << 940 << 3;
        QTest::newRow("1024er Schirm") << 590 << 5;
        QTest::newRow("schmaler als die breiteste") << 300 << 6;
    }

    void Mehrere_Zeilen_jede_Beschriftung_ganz()
    {
        QFETCH(int, Breite);
        QFETCH(int, Zeilen);
        for (int aktiv = 0; aktiv < Sieben.size(); ++aktiv) {
            const TReiter_Anordnung A = Reiter_anordnen(Sieben, 24, Breite, aktiv);
            QCOMPARE(A.Zeilen, Zeilen);
            QCOMPARE(A.Reiter.size(), Sieben.size());
            QVERIFY(!ueberlappen(A.Reiter));
            int rechter_Rand = 0;
            for (int i = 0; i < Sieben.size(); ++i) {
                const QRect R = A.Reiter.at(i);
                QVERIFY2(R.width() >= std::min(Sieben.at(i), Breite), qPrintable(QString::number(i)));
                QVERIFY(R.left() >= 0 && R.right() < Breite);
                QVERIFY(R.top() >= 0 && R.bottom() < Zeilen * 24);
                rechter_Rand = std::max(rechter_Rand, R.right());
            }
            // Stretched rows close flush at the right edge; the current row lies next to the page.
            QCOMPARE(rechter_Rand, Breite - 1);
            QCOMPARE(A.Reiter.at(aktiv).y(), (Zeilen - 1) * 24);
        }
    }

    void Reihenfolge_bleibt_die_Zeilen_wandern()
    {
        // Rows {0,1,2} {3,4} {5,6} at 940 px: the row after the current one comes on top.
        const TReiter_Anordnung A = Reiter_anordnen(Sieben, 20, 940, 3);
        QCOMPARE(A.Reiter.at(5).y(), 0);
        QCOMPARE(A.Reiter.at(0).y(), 20);
        QCOMPARE(A.Reiter.at(3).y(), 40);
        QCOMPARE(A.Reiter.at(4).y(), 40);
        QVERIFY(A.Reiter.at(3).x() < A.Reiter.at(4).x());
        // No current tab: the rows in caption order.
        const TReiter_Anordnung B = Reiter_anordnen(Sieben, 20, 940, -1);
        QCOMPARE(B.Reiter.at(0).y(), 0);
        QCOMPARE(B.Reiter.at(6).y(), 40);
    }

    void Zu_breiter_Reiter_allein_und_gekuerzt()
    {
        const TReiter_Anordnung A = Reiter_anordnen({50, 900, 50}, 24, 400, 0);
        QCOMPARE(A.Zeilen, 3);
        QCOMPARE(A.Reiter.at(1).width(), 400);
        QCOMPARE(Reiter_anordnen({}, 24, 400, 0).Zeilen, 0);
    }

    void Fenster_einpassen_data()
    {
        QTest::addColumn<QRect>("Rahmen");
        QTest::addColumn<QRect>("Bereich");
        QTest::addColumn<QRect>("Ergebnis");
        const QRect Schirm(0, 0, 1024, 768);
        QTest::newRow("passt") << QRect(100, 50, 600, 400) << Schirm << QRect(100, 50, 600, 400);
        QTest::newRow("rechts unten hinaus") << QRect(700, 500, 600, 400) << Schirm << QRect(424, 368, 600, 400);
        QTest::newRow("links oben hinaus") << QRect(-30, -5, 600, 400) << Schirm << QRect(0, 0, 600, 400);
        QTest::newRow("nur unten hinaus") << QRect(300, 600, 600, 400) << Schirm << QRect(300, 368, 600, 400);
        QTest::newRow("breiter als der Schirm") << QRect(200, 100, 1200, 468) << Schirm << QRect(0, 100, 1024, 468);
        QTest::newRow("Leiste oben") << QRect(10, 0, 300, 200) << QRect(0, 30, 1024, 738) << QRect(10, 30, 300, 200);
        QTest::newRow("zweiter Schirm") << QRect(2100, 10, 300, 200) << QRect(1024, 0, 1280, 720)
                                        << QRect(2004, 10, 300, 200);
    }

    void Fenster_einpassen()
    {
        QFETCH(QRect, Rahmen);
        QFETCH(QRect, Bereich);
        QFETCH(QRect, Ergebnis);
        QCOMPARE(::Fenster_einpassen(Rahmen, Bereich), Ergebnis);
    }

    // _NET_FRAME_EXTENTS lists left, right, top, bottom; rounded as Qt rounds its frame.
    void Rahmen_aus_Ausdehnung()
    {
        QCOMPARE(::Rahmen_aus_Ausdehnung({1, 2, 20, 5}, 1), QMargins(1, 20, 2, 5));
        QCOMPARE(::Rahmen_aus_Ausdehnung({1, 2, 21, 5}, 2), QMargins(1, 11, 1, 3));
        QCOMPARE(::Rahmen_aus_Ausdehnung({1, 4, 30, 6}, 1.5), QMargins(1, 20, 3, 4));
    }

    // The button at the row's end to the last pixel, else beneath the last control.
    void Knopf_am_Ende_oder_darunter()
    {
        QVERIFY(Reihe_mit_Knopf({150, 400, 160}, 6, 210, 938).Knopf_daneben);
        QVERIFY(!Reihe_mit_Knopf({150, 400, 160}, 6, 210, 937).Knopf_daneben);
        QCOMPARE(Reihe_mit_Knopf({150, 400, 160}, 6, 210, 0).Mindestbreite, 772);
    }
};

QTEST_APPLESS_MAIN(Test_Bildschirm_Lage)
#include "test_bildschirm_lage.moc"
