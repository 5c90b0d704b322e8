#include "evaluation/Sterne_Regeln.h"
#include "evaluation/TAuswertungs_Stand.h"

#include <QTest>

namespace {
// Hands over one answer per character ('r' right, 'f' wrong) through the real
// counting and runs the block check after each, as the evaluation does.
QList<TBlock_Ergebnis> antworten(TAuswertungs_Stand &Stand, int Schwierigkeitsgrad, const char *Folge)
{
    QList<TBlock_Ergebnis> Ergebnisse;
    static int Anzahl = 0;
    for (const char *c = Folge; *c; ++c) {
        TAufgaben_Ergebnis E;
        E.Rechenart = 2;
        E.Schwierigkeitsgrad = std::uint8_t(Schwierigkeitsgrad);
        E.richtig_geloest = *c == 'r' ? 1 : 0;
        E.Anzahl_Aufgaben = ++Anzahl;
        Stand.Ergebnis_uebernehmen(E);
        Ergebnisse << Sterne_Block_pruefen(Stand.Sterne, Stand.aktueller_Schwierigkeitsgrad());
    }
    return Ergebnisse;
}

TAuswertungs_Stand neuer_Stand()
{
    TAuswertungs_Stand Stand;
    Stand.initialisieren();
    return Stand;
}

using B = TBlock_Ergebnis;
}
Q_DECLARE_METATYPE(TBlock_Ergebnis)
namespace {
}

class Test_Sterne_Regeln : public QObject
{
    Q_OBJECT
private slots:
    void Bloecke_data()
    {
        QTest::addColumn<int>("Grad");
        QTest::addColumn<QString>("Folge");
        QTest::addColumn<QList<TBlock_Ergebnis>>("erwartet");
        QTest::addColumn<int>("Smileys");
        QTest::addColumn<QString>("Ende_Ueberschrift");

        QTest::newRow("leicht r f r") << 1 << "rfr" << QList<B>{B::offen, B::offen, B::Smily} << 1 << "0 / 0";
        QTest::newRow("leicht f f void") << 1 << "ff" << QList<B>{B::offen, B::verfehlt} << 0 << "0 / 0";
        // The second wrong answer is also the third: the wrong-answer rule wins.
        QTest::newRow("leicht r f f") << 1 << "rff" << QList<B>{B::offen, B::offen, B::verfehlt} << 0 << "0 / 0";
        QTest::newRow("mittel r r f open") << 2 << "rrf" << QList<B>{B::offen, B::offen, B::offen} << 0 << "1 / 3";
        QTest::newRow("schwer two wrong allowed")
            << 3 << "rfrfr" << QList<B>{B::offen, B::offen, B::offen, B::offen, B::Smily} << 1 << "0 / 0";
        QTest::newRow("schwer third wrong")
            << 3 << "fffrr" << QList<B>{B::offen, B::offen, B::verfehlt, B::offen, B::offen} << 0 << "0 / 2";
        QTest::newRow("leicht three blocks")
            << 1 << "rrrfrrrrf"
            << QList<B>{B::offen, B::offen, B::Smily, B::offen, B::offen, B::Smily, B::offen, B::offen, B::Smily} << 3
            << "0 / 0";
    }
    void Bloecke()
    {
        QFETCH(int, Grad);
        QFETCH(QString, Folge);
        QFETCH(QList<TBlock_Ergebnis>, erwartet);
        QFETCH(int, Smileys);
        QFETCH(QString, Ende_Ueberschrift);

        TAuswertungs_Stand Stand = neuer_Stand();
        QCOMPARE(antworten(Stand, Grad, Folge.toLatin1().constData()), erwartet);
        QCOMPARE(int(Stand.Sterne.Anzahl_Smily[Grad - 1]), Smileys);
        QVERIFY2(Sterne_Ueberschrift_mit_Stand(Stand.Sterne, Grad)
                     .endsWith(QStringLiteral("Nicht gelöste Aufgaben: ") + Ende_Ueberschrift),
                 qPrintable(Sterne_Ueberschrift_mit_Stand(Stand.Sterne, Grad)));
        // Other difficulties keep their zero counters.
        for (int k = 1; k <= 3; ++k) {
            if (k == Grad)
                continue;
            QCOMPARE(int(Stand.Sterne.Anzahl_Smily[k - 1]), 0);
            QCOMPARE(Stand.Sterne.Aufgaben_seit_Smily[k - 1], 0);
            QCOMPARE(Stand.Sterne.Falsche_seit_Smily[k - 1], 0);
        }
    }

    void Schwierigkeiten_getrennt()
    {
        // Interleaved answers: each difficulty counts its own block.
        TAuswertungs_Stand Stand = neuer_Stand();
        antworten(Stand, 1, "rr");
        antworten(Stand, 2, "fff");
        antworten(Stand, 1, "r");
        QCOMPARE(int(Stand.Sterne.Anzahl_Smily[0]), 1);
        QCOMPARE(int(Stand.Sterne.Anzahl_Smily[1]), 0);
        QCOMPARE(Stand.Sterne.Aufgaben_seit_Smily[1], 1); // block voided at the 2nd wrong, 3rd starts a new one
        QCOMPARE(Stand.Sterne.Falsche_seit_Smily[1], 1);
        QCOMPARE(Stand.Sterne.Aufgaben_seit_Smily[2], 0);
    }

    void Nachpruefen_ohne_Antwort_bringt_nichts()
    {
        // A picture-choice click re-runs the check without a new answer.
        TAuswertungs_Stand Stand = neuer_Stand();
        antworten(Stand, 1, "rr");
        QCOMPARE(Sterne_Block_pruefen(Stand.Sterne, 1), B::offen);
        antworten(Stand, 1, "r");
        QCOMPARE(Sterne_Block_pruefen(Stand.Sterne, 1), B::offen);
        QCOMPARE(int(Stand.Sterne.Anzahl_Smily[0]), 1);
    }

    void Smileys_saettigen_bei_255()
    {
        TAuswertungs_Stand Stand = neuer_Stand();
        Stand.Sterne.Anzahl_Smily[1] = 254;
        antworten(Stand, 2, "rrrr");
        QCOMPARE(int(Stand.Sterne.Anzahl_Smily[1]), 255);
        QCOMPARE(antworten(Stand, 2, "rrrr").last(), B::Smily);
        QCOMPARE(int(Stand.Sterne.Anzahl_Smily[1]), 255);
        QCOMPARE(Stand.Sterne.Aufgaben_seit_Smily[1], 0);
        QCOMPARE(Stand.Sterne.Falsche_seit_Smily[1], 0);
        QCOMPARE(Smily_Zeile(u'J', Stand.Sterne.Anzahl_Smily[1]), QString(255, u'J'));
        // The row stays earned: the picture rule still sees three or more.
        QCOMPARE(Bild_Zustand(Stand.Sterne, 0).Zeile[1], TZeilen_Sichtbarkeit::verbergen);
    }

    void Ueberschriften()
    {
        QCOMPARE(Sterne_Ueberschrift(1),
                 QStringLiteral("  Schwierigkeitsgrad: leicht: Für je 3 Aufgaben mit mindestens 2 Richtigen erhält man "
                                "ein Achtungszeichen."));
        QCOMPARE(Sterne_Ueberschrift(2),
                 QStringLiteral("  Schwierigkeitsgrad: mittel: Für je 4 Aufgaben mit mindestens 3 Richtigen erhält man "
                                "ein Achtungszeichen."));
        QCOMPARE(Sterne_Ueberschrift(3),
                 QStringLiteral("  Schwierigkeitsgrad: schwer: Für je 5 Aufgaben mit mindestens 3 Richtigen erhält man "
                                "ein Achtungszeichen."));
        TAuswertungs_Stand Stand = neuer_Stand();
        antworten(Stand, 2, "rrf");
        QCOMPARE(
            Sterne_Ueberschrift_mit_Stand(Stand.Sterne, 2),
            QStringLiteral("  Schwierigkeitsgrad: mittel: Für je 4 Aufgaben mit mindestens 3 Richtigen erhält man ein "
                           "Achtungszeichen. Nicht gelöste Aufgaben: 1 / 3"));
    }
};

QTEST_APPLESS_MAIN(Test_Sterne_Regeln)
#include "test_sterne_regeln.moc"
