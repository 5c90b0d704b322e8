#include "evaluation/Statistik_Text.h"
#include "evaluation/TKategorie_Tabelle.h"
#include "evaluation/Tabelle_0_Texte.h"
#include "Uebungsablauf.h"

#include <QTest>

namespace {
QList<QStringList> Datenzeilen(int Nummer, const TStatistik_Speicher &S)
{
    const TKategorie_Tabelle &K = Kategorie_Tabelle(Nummer);
    QList<QStringList> Z;
    for (int i = 0; i < Datenzeilen_Anzahl(K); ++i)
        Z << Kategorie_Zeile(K, Kategorie_Tabelle_erste_Datenzeile + i, S);
    return Z;
}

QStringList Text_aus(const TStatistik_Speicher &S)
{
    return Statistik_Text_erstellen(Datenzeilen(1, S), Datenzeilen(2, S), Datenzeilen(3, S), Datenzeilen(4, S));
}

QStringList Zeile(std::initializer_list<const char *> Texte)
{
    QStringList Z;
    for (const char *T : Texte)
        Z << QString::fromUtf8(T);
    return Z;
}

const QString Gleich80(80, u'=');
const QString Kopf_Per =
    QStringLiteral("           Kat|   UKat| Per|  An|  A+|  A-|       A+%|  Pn|  P+|  P-|       P+%|");
const QString Kopf_PD =
    QStringLiteral("           Kat|   UKat|  PD|  An|  A+|  A-|       A+%|  Pn|  P+|  P-|       P+%|");
const QString Anzahl_Praefix =
    QStringLiteral("   Prozentzahl: Anzahl richtig gelöster Aufgaben / Anzahl gestellter Aufgaben : ");
const QString Punkte_Praefix =
    QStringLiteral("   Prozentzahl: Anzahl erreichter Punkte / Anzahl zu erreichender Punkte : ");
}

class Test_Kategorie_Texte : public QObject
{
    Q_OBJECT
private slots:
    void Statistiktext_nach_dem_Start()
    {
        TUebungsablauf A;
        A.einstellen(1, 1);
        const QStringList T = Text_aus(A.Stand.Statistik);

        const QString Gleich73(73, u'=');
        const QStringList Legende{
            Gleich73,
            QStringLiteral(" Auswertung der Statistischen Daten:"),
            Gleich73,
            QStringLiteral(" Kat: Kategorie |UKat:Unterkategorie |Per:erreichbare Punkte pro Aufgabe"),
            QStringLiteral(" "),
            QStringLiteral(" An: Anzahl bearbeitete  Aufgaben |A+: Anzahl richtig gelöster Aufgaben"),
            QStringLiteral(" A-: Anzahl falsch gelöster  Aufgaben|"),
            QStringLiteral(" Pn: Anzahl erreichbarer Punkte   |P+: Anzahl erreichter Punkte"),
            QStringLiteral(" P-: Anzahl nicht erreichter Punkte  |"),
            QStringLiteral(" PD; Durchschnittswerte der Punkte|"),
            QStringLiteral(" "),
            QStringLiteral(" A+%: Prozentzahl: Anzahl richtig gelöster Aufgaben / Anzahl bearbeiteter Aufgaben"),
            QStringLiteral(" P+%; Prozentzahl: Anzahl erreichter       Punkte   / Anzahl erreichbarer Punkte"),
        };
        QStringList Erwartet = Legende;
        Erwartet << Gleich80 << QStringLiteral(" 2. Statistik: Kategorien und Unterkategorien:  ") << Kopf_Per
                 << Gleich80 << Gleich80 << QStringLiteral(" 3. Statistik: Kategorien (mit allen Unterkategorien):  ")
                 << Kopf_PD << Gleich80 << Gleich80
                 << QStringLiteral(" 4. Statistik: Unterkategorien (aus allen Kategorien):  ") << Kopf_PD << Gleich80
                 << Gleich80 << QStringLiteral(" 5 Statistik: alle Werte zusammen:  ") << Kopf_PD << Gleich80
                 << Gleich80;
        QCOMPARE(Kopf_Per.size(), 80);
        QCOMPARE(T.size(), Erwartet.size());
        for (qsizetype i = 0; i < T.size(); ++i)
            QCOMPARE(T.at(i), Erwartet.at(i));
    }

    void Statistiktext_nach_einer_Division_schwer()
    {
        TUebungsablauf A;
        A.einstellen(4, 3);
        A.antworten(true);
        const QStringList T = Text_aus(A.Stand.Statistik);
        QCOMPARE(T.size(), 13 + 4 * 5 + 1);

        const QString Zeile_14 =
            QStringLiteral("      Division| schwer|   9|   1|   1|   0|  100.00 %|   9|   9|   0|  100.00 %|");
        QCOMPARE(T.at(13 + 4), Zeile_14);
        QCOMPARE(T.at(18 + 4),
                 QStringLiteral("      Division|   alle|9.00|   1|   1|   0|  100.00 %|   9|   9|   0|  100.00 %|"));
        QCOMPARE(T.at(23 + 4),
                 QStringLiteral("          alle| schwer|9.00|   1|   1|   0|  100.00 %|   9|   9|   0|  100.00 %|"));
        QCOMPARE(T.at(28 + 4),
                 QStringLiteral("          alle|   alle|9.00|   1|   1|   0|  100.00 %|   9|   9|   0|  100.00 %|"));
        QCOMPARE(T.last(), Gleich80);
    }

    void lange_Zelltexte_verlaengern_die_Zeile()
    {
        // Only column 3 decides whether a row is written; an empty text is not "0".
        const QStringList Zellen =
            Zeile({"Division", "schwer", "12.345", "12345", "1", "0", "100.00 %", "9", "9", "0", "1234567.00 %"});
        const QString Z = Statistik_Zeile(Zellen);
        QCOMPARE(
            Z, QStringLiteral("      Division| schwer|12.345|12345|   1|   0|  100.00 %|   9|   9|   0|1234567.00 %|"));
        const QStringList T = Statistik_Text_erstellen({Zellen, Zeile({"a", "b", "c", "0"})}, {}, {}, {});
        QCOMPARE(T.at(17), Z);
        QCOMPARE(T.at(18), Gleich80);
    }

    void Kategorien_nach_gemischten_Antworten()
    {
        // Addition leicht right and wrong, then Addition schwer right.
        TUebungsablauf A;
        A.einstellen(1, 1);
        A.antworten(true);
        A.antworten(false);
        A.einstellen(1, 3);
        A.antworten(true);
        const TStatistik_Speicher &S = A.Stand.Statistik;

        QCOMPARE(Kategorie_Zeile(Kategorie_Tabelle(2), 3, S),
                 Zeile({"Addition", "alle", "1.67", "3", "2", "1", "66.67 %", "5", "4", "1", "80.00 %"}));
        const TKategorie_Anzeige T2 = Kategorie_Anzeige(Kategorie_Tabelle(2), 1, 3, S);
        QCOMPARE(*T2.Anzahl_Balken, (TBalken_Wert{100, 66}));
        QCOMPARE(*T2.Punkte_Balken, (TBalken_Wert{100, 80}));
        QCOMPARE(*T2.Anzahl_Caption, Anzahl_Praefix + QStringLiteral("66.67 %"));
        QCOMPARE(*T2.Punkte_Caption, Punkte_Praefix + QStringLiteral("80.00 %"));
        QCOMPARE(*T2.Einstellung_Caption, QStringLiteral("   gerade benutzte Einstellung:     Addition      "));

        const TKategorie_Tabelle &K3 = Kategorie_Tabelle(3);
        QCOMPARE(Kategorie_Zeile(K3, 3, S),
                 Zeile({"alle", "leicht", "1.00", "2", "1", "1", "50.00 %", "2", "1", "1", "50.00 %"}));
        QCOMPARE(Kategorie_Zeile(K3, 4, S),
                 Zeile({"alle", "mittel", "0.00", "0", "0", "0", "100.00 %", "0", "0", "0", "100.00 %"}));
        QCOMPARE(Kategorie_Zeile(K3, 5, S),
                 Zeile({"alle", "schwer", "3.00", "1", "1", "0", "100.00 %", "3", "3", "0", "100.00 %"}));

        // Table 1 keeps its fixed points text in column 2.
        QCOMPARE(Kategorie_Zeile(Kategorie_Tabelle(1), 5, S),
                 Zeile({"Addition", "schwer", "3", "1", "1", "0", "100.00 %", "3", "3", "0", "100.00 %"}));
    }

    void nie_geuebte_Einstellung()
    {
        TUebungsablauf A;
        A.einstellen(1, 1);
        A.antworten(true);
        A.einstellen(3, 2);
        const TStatistik_Speicher &S = A.Stand.Statistik;

        // Table 1 changes none of its three controls.
        const TKategorie_Anzeige T1 = Kategorie_Anzeige(Kategorie_Tabelle(1), 3, 2, S);
        QVERIFY(!T1.Einstellung_Caption && !T1.Anzahl_Caption && !T1.Anzahl_Balken && !T1.Punkte_Caption);
        QCOMPARE(Zeile_der_Einstellung(Kategorie_Tabelle(1), 3, 2), 10);

        const TKategorie_Anzeige T2 = Kategorie_Anzeige(Kategorie_Tabelle(2), 3, 2, S);
        QCOMPARE(*T2.Einstellung_Caption, QStringLiteral("   gerade benutzte Einstellung:     Multiplikation"));
        QCOMPARE(*T2.Anzahl_Caption, Anzahl_Praefix + QStringLiteral("---"));
        QCOMPARE(*T2.Punkte_Caption, Punkte_Praefix + QStringLiteral("---"));
        QCOMPARE(*T2.Anzahl_Balken, (TBalken_Wert{100, 0}));
        QCOMPARE(*T2.Punkte_Balken, (TBalken_Wert{100, 0}));
        QCOMPARE(Zeile_der_Einstellung(Kategorie_Tabelle(2), 3, 2), 5);

        const TKategorie_Anzeige T3 = Kategorie_Anzeige(Kategorie_Tabelle(3), 3, 2, S);
        QCOMPARE(*T3.Einstellung_Caption, QStringLiteral("   gerade benutzte Einstellung:     mittel"));
        QCOMPARE(*T3.Anzahl_Caption, Anzahl_Praefix + QStringLiteral("---"));
        QCOMPARE(Zeile_der_Einstellung(Kategorie_Tabelle(3), 3, 2), 4);

        // Table 4 never names a setting.
        QVERIFY(!Kategorie_Anzeige(Kategorie_Tabelle(4), 3, 2, S).Einstellung_Caption);
    }

    void Balken_rechnen_ohne_Ueberlauf()
    {
        TStatistik_Speicher S;
        S.alle_Werte = {30000000, 29999999, 1, 270000000, 269999991, 9};
        const TKategorie_Anzeige A = Kategorie_Anzeige(Kategorie_Tabelle(4), 4, 3, S);
        QCOMPARE(A.Anzahl_Balken->Position, 99);
        QCOMPARE(A.Punkte_Balken->Position, 99);
    }

    void Tabelle_0_Zeilen()
    {
        TUebungsablauf A;
        A.einstellen(1, 1);
        QCOMPARE(Tabelle_0_Zeile(A.Stand.Listenwerte),
                 Zeile({"Addition      ", "leicht", "1", "0", "0", "0", "0.00 %", "0", "0", "0", "0.00 %"}));
        A.einstellen(3, 2);
        A.antworten(true);
        A.antworten(false);
        A.antworten(true);
        QCOMPARE(Tabelle_0_Zeile(A.Stand.Listenwerte),
                 Zeile({"Multiplikation", "mittel", "6", "3", "2", "1", "66.67 %", "18", "12", "6", "66.67 %"}));
        QCOMPARE(Tabelle_0_Einstellung_Caption(A.Stand.Listenwerte),
                 QStringLiteral("   gerade benutzte Einstellung:     Multiplikation mittel"));
        QCOMPARE(
            Tabelle_0_Prozent_Caption(A.Stand.Listenwerte),
            QStringLiteral("   Prozentzahl : Anzahl richtig gelöster Aufgaben / Anzahl gestellter Aufgaben : 66.67 %"));

        QCOMPARE(Tabelle_0_Beschreibung().size(), 18);
        QCOMPARE(Tabelle_0_Beschreibung().at(1), QString(42, u'-'));
        QCOMPARE(Tabelle_0_Beschreibung().last(), QString(42, u'-'));
    }

    void Beschreibungen_der_Kategorie_Tabellen()
    {
        const QString Strich(42, u'-');
        const int Laengen[] = {21, 22, 22, 19};
        for (int n = 1; n <= 4; ++n) {
            const QStringList &B = Kategorie_Tabelle(n).Beschreibung;
            QCOMPARE(B.size(), Laengen[n - 1]);
            QCOMPARE(B.at(1), Strich);
            QCOMPARE(B.last(), Strich);
        }
        QCOMPARE(Kategorie_Tabelle(1).Beschreibung.at(5),
                 QStringLiteral(
                     "so werden diese zusammengefasst in der Kategorie \"Addition mit Schwierigkeitsgrad leicht\"."));
    }
};

QTEST_APPLESS_MAIN(Test_Kategorie_Texte)
#include "test_kategorie_texte.moc"
