#include "core/Farben.h"
#include "exercises/Antwort_Bewertung.h"
#include "exercises/Ergebnis_Fortschreibung.h"
#include "exercises/TAuswertung_kurz_Werte.h"

#include <QTest>

namespace {
TEinstellung_Aufgabe Aufgabe(int Rechenart, int Zahl_1, int Zahl_2)
{
    TEinstellung_Aufgabe A;
    A.Rechenart = TRechenart(Rechenart);
    A.Zahl_1 = Zahl_1;
    A.Zahl_2 = Zahl_2;
    Ergebnis_berechnen(A);
    return A;
}
}

Q_DECLARE_METATYPE(std::optional<std::int32_t>)

class Test_Antwort_Bewertung : public QObject
{
    Q_OBJECT
private slots:
    void Antwort_lesen_data()
    {
        using W = std::optional<std::int32_t>;
        QTest::addColumn<QString>("Text");
        QTest::addColumn<W>("Wert");
        const W nein = std::nullopt;
        // The cases read best as rows of a table.
        // clang-format off
        const struct { const char *Text; W Wert; } Faelle[] = {
            {"7", 7}, {"+7", 7}, {"  7", 7}, {"007", 7}, {"-0", 0}, {"-12", -12}, {"  -005", -5},
            {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"000000000002147483647", 2147483647},
            {"2147483648", nein}, {"-2147483649", nein}, {"99999999999999999999999", nein},
            {"$A", 10}, {"$a", 10}, {"x1F", 31}, {"X1f", 31}, {"0x10", 16}, {"0X10", 16}, {"+$A", 10},
            {"-$A", -10}, {"$FFFFFFFF", -1}, {"-$FFFFFFFF", 1}, {"$7FFFFFFF", 2147483647},
            {"$80000000", INT32_MIN}, {"$000000000FF", 255}, {"0x0", 0},
            {"-$80000000", nein}, {"-0x80000000", nein}, {"$100000000", nein}, {"$FFFFFFFFFFFFFFFFF", nein},
            {"", nein}, {"   ", nein}, {"+", nein}, {"-", nein}, {"$", nein}, {"0x", nein}, {"-0X", nein},
            {"x", nein}, {"7 ", nein}, {"7a", nein}, {"a7", nein}, {"$G", nein}, {"+-7", nein}, {"--7", nein},
            {"- 7", nein}, {"7-", nein}, {"0x$1", nein}, {"$0x1", nein}, {"1.5", nein}, {"1e3", nein},
            {"\t7", nein}, {"\u0667", nein}, {"$+1", nein},
        };
        // clang-format on
        for (const auto &F : Faelle)
            QTest::newRow(QByteArray("\"") + F.Text + "\"") << QString::fromUtf8(F.Text) << F.Wert;
    }

    void Antwort_lesen()
    {
        QFETCH(QString, Text);
        QFETCH(std::optional<std::int32_t>, Wert);
        QCOMPARE(::Antwort_lesen(Text), Wert);
    }

    void Aufgaben_Text_hat_17_Zeichen()
    {
        QCOMPARE(Aufgaben_Text(Aufgabe(0, -12, 3)), QStringLiteral("(-12) + (3)    = "));
        QCOMPARE(Aufgaben_Text(Aufgabe(3, -140, -14)), QStringLiteral("(-140): (-14)  = "));
        QCOMPARE(Aufgaben_Text(Aufgabe(2, 0, 0)).size(), 17);
    }

    void Bewertung_und_Erlaeuterungen()
    {
        const TEinstellung_Aufgabe A = Aufgabe(0, -12, 3);
        const TBewertung r = Antwort_bewerten(A, -9);
        QVERIFY(r.richtig);
        QCOMPARE(r.Antwort_Text, QStringLiteral("-9"));
        QCOMPARE(r.Erlaeuterungen,
                 (QStringList{"", " Die alte Aufgabe ist richtig gelöst :", "", " (-12) + (3)    = -9"}));
        const TBewertung f = Antwort_bewerten(A, 9);
        QVERIFY(!f.richtig);
        QCOMPARE(f.Erlaeuterungen,
                 (QStringList{"", " Die alte Aufgabe ist falsch gelöst !", "", " gefundene Lösung : (-12) + (3)    = 9",
                              " richtige Lösung  : (-12) + (3)    = -9"}));
        // "-0" is judged as 0 against a zero result.
        QVERIFY(Antwort_bewerten(Aufgabe(3, 0, -7), *::Antwort_lesen("-0")).richtig);
    }

    void Protokollzeile_des_Beispiels()
    {
        TAufgaben_Ergebnis E;
        E.Nr_Uebungssequenz = 3;
        const TEinstellung_Aufgabe A = Aufgabe(0, -12, 3);
        const TBewertung B = Antwort_bewerten(A, -9);
        Antwort_eintragen(E, B.richtig, B.Aufgabe_Text, B.Antwort_Text);
        const QString Zeile = QStringLiteral(
            " Übungssequenz: 3|Addition      |leicht| Aufgabe : (-12) + (3)    =    -9   (richtig gelöst)");
        QCOMPARE(E.Protokollzeile, Zeile);
        QCOMPARE(E.Protokollzeile.size(), 92);
        QCOMPARE(E.Anzahl_Aufgaben, 1);
        QCOMPARE(E.Sequenz_benutzt, std::uint8_t(1));
        QCOMPARE(E.richtig_geloest, std::uint8_t(1));

        // A long answer keeps its first five characters; the verdict follows directly.
        E.Rechenart = 4;
        E.Schwierigkeitsgrad = 3;
        const TBewertung L = Antwort_bewerten(Aufgabe(3, -140, -14), -2147483648);
        Antwort_eintragen(E, L.richtig, L.Aufgabe_Text, L.Antwort_Text);
        QCOMPARE(E.Protokollzeile,
                 QStringLiteral(
                     " Übungssequenz: 3|Division      |schwer| Aufgabe : (-140): (-14)  =    -2147(falsch  gelöst)"));
        QCOMPARE(E.Anzahl_Aufgaben, 2);
        QCOMPARE(E.richtig_geloest, std::uint8_t(0));
    }

    void Sequenzwechsel()
    {
        TAufgaben_Ergebnis E;
        TSequenz_Wechsel W = Einstellungen_eintragen(E, TRechenart::Division, TSchwierigkeitsgrad::schwer);
        QVERIFY(!W.Leerzeile_faellig && !W.Grundwerte_neu_beginnen);
        QCOMPARE(E.Nr_Uebungssequenz, std::uint8_t(1));
        QCOMPARE(E.Rechenart, std::uint8_t(4));
        QCOMPARE(E.Schwierigkeitsgrad, std::uint8_t(3));

        Antwort_eintragen(E, true, "T", "1");
        W = Einstellungen_eintragen(E, TRechenart::Addition, TSchwierigkeitsgrad::leicht);
        QVERIFY(W.Leerzeile_faellig && !W.Grundwerte_neu_beginnen);
        QCOMPARE(E.Nr_Uebungssequenz, std::uint8_t(2));
        QCOMPARE(E.Anzahl_Aufgaben, 0);
        QCOMPARE(E.Sequenz_benutzt, std::uint8_t(0));
        QCOMPARE(E.richtig_geloest, std::uint8_t(1)); // left as the last answer set it

        E.Nr_Uebungssequenz = 24;
        Antwort_eintragen(E, false, "T", "1");
        W = Einstellungen_eintragen(E, TRechenart::Subtraktion, TSchwierigkeitsgrad::mittel);
        QVERIFY(W.Leerzeile_faellig && W.Grundwerte_neu_beginnen);
        QCOMPARE(E.Nr_Uebungssequenz, std::uint8_t(1));
        W = Einstellungen_eintragen(E, TRechenart::Subtraktion, TSchwierigkeitsgrad::schwer);
        QVERIFY(!W.Leerzeile_faellig && !W.Grundwerte_neu_beginnen);
        QCOMPARE(E.Nr_Uebungssequenz, std::uint8_t(1));
    }

    void Einstellungszeilen()
    {
        QCOMPARE(Einstellungs_Zeilen(TRechenart::Division, TSchwierigkeitsgrad::mittel),
                 (QStringList{" Eingestellte Werte:", " -----------------------------------",
                              " Rechenart          : Division", " Schwierigkeitsgrad : mittel : 6 Punkt(e)"}));
        QCOMPARE(Einstellungs_Zeilen(TRechenart::Subtraktion, TSchwierigkeitsgrad::schwer).at(3),
                 QStringLiteral(" Schwierigkeitsgrad : schwer : 3 Punkt(e)"));
        QCOMPARE(Einstellungs_Zeilen(TRechenart::Multiplikation, TSchwierigkeitsgrad::leicht).at(2),
                 QStringLiteral(" Rechenart          : Multiplikation"));
    }

    void Tastenwirkung()
    {
        QCOMPARE(Tasten_Wirkung(Qt::Key_Return, Qt::NoModifier), TTasten_Wirkung::bewerten);
        QCOMPARE(Tasten_Wirkung(Qt::Key_Enter, Qt::KeypadModifier), TTasten_Wirkung::bewerten);
        for (auto M : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
            QCOMPARE(Tasten_Wirkung(Qt::Key_Return, M), TTasten_Wirkung::nur_fokussieren);
        QCOMPARE(Tasten_Wirkung(Qt::Key_7, Qt::NoModifier), TTasten_Wirkung::neutral);
        QCOMPARE(Tasten_Wirkung(Qt::Key_F2, Qt::NoModifier), TTasten_Wirkung::Rechenweg_zeigen);
        QCOMPARE(Tasten_Wirkung(Qt::Key_F2, Qt::ShiftModifier), TTasten_Wirkung::nur_fokussieren);
        QCOMPARE(Tasten_Wirkung(Qt::Key_F3, Qt::NoModifier), TTasten_Wirkung::neutral);
    }

    void Kurze_Auswertung()
    {
        TAuswertung_kurz_Werte K;
        QCOMPARE(K.Text_Prozent(), QStringLiteral("-"));
        QCOMPARE(K.Farbe_falsch(), Farbe_Rot);
        K.Antwort_zaehlen(true);
        QCOMPARE((QStringList{K.Text_gestellt(), K.Text_richtig(), K.Text_falsch(), K.Text_Prozent()}),
                 (QStringList{"1", "1", "0", "100.0%"}));
        QCOMPARE(K.Farbe_falsch(), Farbe_Silber);
        K.Antwort_zaehlen(false);
        K.Antwort_zaehlen(true);
        QCOMPARE(K.Text_Prozent(), QStringLiteral(" 66.7%"));
        QCOMPARE(K.Farbe_falsch(), Farbe_Rot);
        K.Werte_zuruecksetzen();
        QCOMPARE((QStringList{K.Text_gestellt(), K.Text_richtig(), K.Text_falsch(), K.Text_Prozent()}),
                 (QStringList{"-", "-", "-", "-"}));
        QCOMPARE(K.Farbe_falsch(), Farbe_Rot); // a reset keeps the colour
        K.Antwort_zaehlen(false);
        QCOMPARE(K.Text_Prozent(), QStringLiteral("  0.0%"));
        K.Antwort_zaehlen(true);
        K.Antwort_zaehlen(false);
        QCOMPARE(K.Text_Prozent(), QStringLiteral(" 33.3%"));
    }
};

QTEST_APPLESS_MAIN(Test_Antwort_Bewertung)
#include "test_antwort_bewertung.moc"
