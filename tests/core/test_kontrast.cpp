#include "core/Kontrast.h"
#include "core/Zugang_Texte.h"

#include <QTest>

class Test_Kontrast : public QObject
{
    Q_OBJECT
private slots:
    void Grenzwerte_der_Formel()
    {
        QCOMPARE(Kontrastverhaeltnis(Farbe_Schwarz, Farbe_Weiss), 21.0);
        QCOMPARE(Kontrastverhaeltnis(Farbe_Weiss, Farbe_Schwarz), 21.0);
        QCOMPARE(Kontrastverhaeltnis(Farbe_Grau, Farbe_Grau), 1.0);
        // The low branch of the sRGB curve (channel values up to 10).
        QVERIFY(qAbs(Relative_Leuchtdichte(TFarbe{10, 10, 10}) - 10 / 255.0 / 12.92) < 1e-12);
    }

    void Feste_Farben()
    {
        const auto nah = [](double a, double b) { return qAbs(a - b) < 0.01; };
        QVERIFY(nah(Kontrastverhaeltnis(Farbe_Schwarz, Farbe_Lime), 15.30));
        QVERIFY(nah(Kontrastverhaeltnis(Farbe_Schwarz, Farbe_Rot), 5.25));
        QVERIFY(nah(Kontrastverhaeltnis(Farbe_Schwarz, Farbe_Grau), 5.32));
        QVERIFY(nah(Kontrastverhaeltnis(Farbe_Schwarz, Farbe_Silber), 11.54));
        QVERIFY(nah(Kontrastverhaeltnis(Farbe_Schwarz, Farbe_Hellgruen), 16.53));
        QVERIFY(nah(Kontrastverhaeltnis(Farbe_Schwarz, Farbe_Aqua), 16.75));
        QVERIFY(nah(Kontrastverhaeltnis(Farbe_Lime, Farbe_Grau), 2.88));
        QVERIFY(nah(Kontrastverhaeltnis(Farbe_Weiss, Farbe_Teal), 4.77));
        QVERIFY(nah(Kontrastverhaeltnis(Farbe_Schwarz, Farbe_Teal), 4.40));
    }

    void Beste_Schriftfarbe_je_Hintergrund()
    {
        for (TFarbe F : {Farbe_Lime, Farbe_Rot, Farbe_Grau, Farbe_Silber, Farbe_Hellgruen, Farbe_Aqua, Farbe_Gelb})
            QCOMPARE(Beste_Schriftfarbe(F), Farbe_Schwarz);
        QCOMPARE(Beste_Schriftfarbe(Farbe_Teal), Farbe_Weiss);
    }

    void Tabelle_fuer_die_Beschreibung()
    {
        const QStringList Z = Kontrast_Tabelle_Zeilen();
        QCOMPARE(Z.size(), 2 + Kontrast_Tabelle().size());
        QVERIFY(Z.contains(QStringLiteral("| lime (smileys) (0,255,0) | gray (128,128,128) | 2.88:1 | fail | fail |")));
        QVERIFY(Z.contains(QStringLiteral("| black (0,0,0) | red (255,0,0) | 5.25:1 | pass | pass |")));
    }

    void Namen_der_Loesungsschritte()
    {
        QCOMPARE(Loesungsschritt_Name(3, QStringLiteral("Regeln zur Addition anwenden")),
                 QStringLiteral("Lösungsschritt 3: Regeln zur Addition anwenden"));
        QCOMPARE(Loesungsschritt_Name(1, QStringLiteral("Aufgabe")), QStringLiteral("Lösungsschritt 1: Aufgabe"));
        // The design-time heading and runs of alignment blanks.
        QCOMPARE(Loesungsschritt_Name(2, QStringLiteral("Überschrift:")),
                 QStringLiteral("Lösungsschritt 2: Überschrift"));
        QCOMPARE(Loesungsschritt_Name(2, QStringLiteral("  Summe    berechnen ")),
                 QStringLiteral("Lösungsschritt 2: Summe berechnen"));
        QCOMPARE(Loesungsschritt_Name(4, QString()), QStringLiteral("Lösungsschritt 4"));
        QCOMPARE(Loesungsschritt_Teil_Name(2, QStringLiteral("Zahl")), QStringLiteral("Lösungsschritt 2, Zahl"));
        QVERIFY(Loesungsschritt_Beschreibung(false).isEmpty());
        QVERIFY(Loesungsschritt_Beschreibung(true).contains(QStringLiteral("Leertaste")));
    }

    void Weitere_Namen()
    {
        QCOMPARE(Smily_Box_Name(1), QStringLiteral("Smileys leicht"));
        QCOMPARE(Smily_Box_Name(3), QStringLiteral("Smileys schwer"));
        QCOMPARE(Smily_Box_Beschreibung(0), QStringLiteral("Keine Smileys"));
        QCOMPARE(Smily_Box_Beschreibung(1), QStringLiteral("1 Smiley"));
        QCOMPARE(Smily_Box_Beschreibung(255), QStringLiteral("255 Smileys"));
        QCOMPARE(Tabelle_Reiter_Name(0), QStringLiteral("1. Statistik: Grundwerte"));
        QCOMPARE(Tabelle_Reiter_Name(4), QStringLiteral("5. Statistik: alle Werte zusammen"));
        QVERIFY(Tabelle_Reiter_Name(5).isEmpty());
        QCOMPARE(Dokument_Name(QStringLiteral("Informationen_zum_Tarvo")),
                 QStringLiteral("Dokument: Informationen zum Tarvo"));
        QCOMPARE(Dokument_Name(QString()), QStringLiteral("Dokument"));
        QCOMPARE(Vorlese_Text(QStringLiteral("leichte            Aufgabe")), QStringLiteral("leichte Aufgabe"));
    }
};

QTEST_GUILESS_MAIN(Test_Kontrast)
#include "test_kontrast.moc"
