#include "tests/support/Unabhaengige_Zaehlung.h"

#include "core/Textdatei.h"
#include "evaluation/TKategorie_Tabelle.h"
#include "exercises/TUebungs_Ablauf.h"

#include <QTest>

// A whole day of lessons through the lesson logic alone: 100,000 answers,
// checked against the test's own count.
class Test_Lange_Stunde_Logik : public QObject
{
    Q_OBJECT

private slots:
    void Hunderttausend_Antworten()
    {
        constexpr int Antworten = 100000;
        TUebungs_Ablauf Ablauf;
        const TAufgaben_Ergebnis &Ergebnis = Ablauf.Aufgaben_Ergebnis();
        const TAuswertungs_Stand &Stand = Ablauf.Auswertung().Stand();
        TUnabhaengige_Zaehlung Z;
        int Umbrueche = 0, Leerzeilen = 0;
        std::int32_t in_Sequenz = 0, richtig_in_Sequenz = 0;
        bool alle_kodierbar = true;

        auto einstellen = [&](int op, int g) {
            const TEinstellungs_Folgen W =
                Ablauf.Einstellungen_aendern(Code_von_Nummer<TRechenart>(op), Code_von_Nummer<TSchwierigkeitsgrad>(g));
            Umbrueche += W.Grundwerte_neu_beginnen;
            Leerzeilen += W.Leerzeile_faellig;
            Z.einstellen(op, g);
            in_Sequenz = richtig_in_Sequenz = 0;
        };
        einstellen(1, 1);
        for (int i = 0; i < Antworten; ++i) {
            // Sequences of varying length, every setting in turn.
            if (i > 0 && i % (23 + (i / 1000) % 17) == 0)
                einstellen(1 + (i / 7) % 4, 1 + (i / 11) % 3);
            const bool richtig = (i * 2654435761u) % 5 != 0;
            const TEinstellung_Aufgabe &A = Ablauf.Aufgabe();
            QVERIFY(Ablauf.Antwort_eingeben(richtig ? A.STR_Ergebnis : QString::number(qint64(A.Ergebnis) + 1)));
            Z.antworten(richtig);
            ++in_Sequenz;
            richtig_in_Sequenz += richtig;

            QVERIFY(Ergebnis.Nr_Uebungssequenz >= 1 && Ergebnis.Nr_Uebungssequenz <= 24);
            if (i % 997 == 0) {
                bool ok = false;
                Text_zu_Windows_1252({Stand.Aufgaben_Ergebnis.Protokollzeile}, ok);
                alle_kodierbar = alle_kodierbar && ok;
            }
        }
        QVERIFY(alle_kodierbar);
        QVERIFY2(Umbrueche >= 3, "the lesson must wrap the sequence numbering several times");
        QCOMPARE(Umbrueche, Z.Umbrueche);
        QCOMPARE(Leerzeilen, Z.Leerzeilen);
        QCOMPARE(int(Ergebnis.Nr_Uebungssequenz), Z.Sequenz);

        const TStatistik_Werte &A = Stand.Statistik.alle_Werte;
        const auto Summe = Z.Summe(0, 0);
        QCOMPARE(A.Anzahl, Antworten);
        QCOMPARE(std::int64_t(A.Anzahl_richtig), Z.Richtige);
        QCOMPARE(std::int64_t(A.Anzahl_richtig + A.Anzahl_falsch), std::int64_t(Antworten));
        QCOMPARE(std::int64_t(A.Punkte_erreichbar), Summe.Pn);
        QCOMPARE(std::int64_t(A.Punkte_erreicht), Summe.Pplus);
        QCOMPARE(std::int64_t(A.Punkte_nicht_erreicht), Summe.Pminus);

        // The running sequence's own counts restart with every sequence.
        QCOMPARE(Stand.Listenwerte.Anzahl, in_Sequenz);
        QCOMPARE(Stand.Listenwerte.Anzahl_richtig, richtig_in_Sequenz);
        QCOMPARE(Stand.Listenwerte.Anzahl_falsch, in_Sequenz - richtig_in_Sequenz);

        for (int Nr = 1; Nr <= 4; ++Nr) {
            const TKategorie_Tabelle &K = Kategorie_Tabelle(Nr);
            const QList<QStringList> Erwartet = Z.Tabelle(Nr);
            QCOMPARE(Datenzeilen_Anzahl(K), Erwartet.size());
            for (int i = 0; i < Erwartet.size(); ++i) {
                QStringList Ist = Ablauf.Auswertung().Kategorie_Zeilen(Nr).at(i).mid(2);
                if (Nr == 1)
                    Ist[0].clear();
                QCOMPARE(Ist, Erwartet.at(i));
            }
        }
    }
};

QTEST_GUILESS_MAIN(Test_Lange_Stunde_Logik)
#include "test_lange_stunde_logik.moc"
