#include "core/widgets/TPanel.h"
#include "evaluation/F_Auswertung_Tabelle_0_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_1_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_2_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_3_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_4_Datei.h"
#include "evaluation/Statistik_Text.h"
#include "evaluation/TStringGrid.h"
#include "solution_paths/TDlg_Memo_darstellen1.h"
#include "Uebungsablauf.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {
QStringList Zeile(std::initializer_list<const char *> Texte)
{
    QStringList Z;
    for (const char *T : Texte)
        Z << QString::fromUtf8(T);
    return Z;
}

// The five frames as the detailed evaluation drives them.
struct TTabellen
{
    TF_Auswertung_Tabelle_0 T0;
    TF_Auswertung_Tabelle_1_ T1;
    TF_Auswertung_Tabelle_2_ T2;
    TF_Auswertung_Tabelle_3_ T3;
    TF_Auswertung_Tabelle_4_ T4;
    TUebungsablauf A;

    TTabellen()
    {
        T0.resize(1220, 700);
        T0.show();
        T0.Tabelle_initialisieren();
        for (TF_Auswertung_Tabelle_Kategorie *T : Kategorien())
            T->Tabelle_initialisieren();
    }
    QList<TF_Auswertung_Tabelle_Kategorie *> Kategorien() { return {&T1, &T2, &T3, &T4}; }

    void weitergeben()
    {
        const TAuswertung_Folgen &F = A.Folgen;
        T0.Werte_uebernehmen(F.Listenwerte);
        for (int Nr = 1; Nr <= 4; ++Nr)
            Kategorien().at(Nr - 1)->Werte_uebernehmen(
                A.Ablauf.Auswertung().Kategorie_Zeilen(Nr), F.geaenderte_Zeilen[std::size_t(Nr - 1)],
                A.Stand.aktuelle_Rechenart(), A.Stand.aktueller_Schwierigkeitsgrad(), F.Anzeigen[std::size_t(Nr - 1)]);
    }
    void einstellen(std::uint8_t op, std::uint8_t g)
    {
        A.einstellen(op, g);
        weitergeben();
    }
    void antworten(bool richtig)
    {
        A.antworten(richtig);
        weitergeben();
    }

    QStringList Statistik_Text()
    {
        return Statistik_Text_erstellen(T1.Datenzeilen(), T2.Datenzeilen(), T3.Datenzeilen(), T4.Datenzeilen());
    }
};

void Auswahl_pruefen(const TStringGrid *G, int Zeile, int Spalte)
{
    QCOMPARE(G->currentRow(), Zeile);
    QCOMPARE(G->currentColumn(), Spalte);
    const QList<QTableWidgetItem *> Auswahl = G->selectedItems();
    QCOMPARE(Auswahl.size(), 1);
    QCOMPARE(Auswahl.first()->row(), Zeile);
}

void Zelle_klicken(TStringGrid *G, int Zeile, int Spalte)
{
    const QRect R = G->visualItemRect(G->item(Zeile, Spalte));
    QTest::mouseClick(G->viewport(), Qt::LeftButton, {}, R.center());
}

const QString Anzahl_Praefix =
    QStringLiteral("   Prozentzahl: Anzahl richtig gelöster Aufgaben / Anzahl gestellter Aufgaben : ");
}

class Test_Tabellen_Frames : public QObject
{
    Q_OBJECT
private slots:
    void nach_dem_Start()
    {
        TTabellen T;
        T.einstellen(1, 1);
        TStringGrid *G0 = T.T0.StringGrid_Auswertung_0;
        QCOMPARE(G0->Zeile(1).at(6), QStringLiteral("+ gelöst %"));
        QCOMPARE(G0->Zeile(2),
                 Zeile({"Addition      ", "leicht", "1", "0", "0", "0", "0.00 %", "0", "0", "0", "0.00 %"}));
        QVERIFY(T.T0.Panel_2->Caption().endsWith(QStringLiteral(": 0.00 %")));
        QCOMPARE(T.T0.ProgressBar_Aufgabendarstellung->value(), 0);
        Auswahl_pruefen(G0, 2, 6);

        const QList<QStringList> Z1 = T.T1.Datenzeilen();
        QCOMPARE(Z1.size(), 12);
        for (const QStringList &Z : Z1) {
            QCOMPARE(Z.mid(3), Zeile({"0", "0", "0", "100.00 %", "0", "0", "0", "100.00 %"}));
        }
        QCOMPARE(Z1.at(11).mid(0, 3), Zeile({"Division", "schwer", "9"}));
        QCOMPARE(T.T1.Panel4->Caption(), QStringLiteral("   gerade benutzte Einstellung:"));
        QCOMPARE(T.T1.Panel3->Caption(), Anzahl_Praefix + QStringLiteral("---"));
        QCOMPARE(T.T1.ProgressBar_Anzahl->maximum(), 100);
        QVERIFY(!T.T1.findChild<TPanel *>(QStringLiteral("Panel_Punkte_Ueberschrift")));

        QCOMPARE(T.T2.Datenzeilen().at(0),
                 Zeile({"Addition", "alle", "0.00", "0", "0", "0", "100.00 %", "0", "0", "0", "100.00 %"}));
        QCOMPARE(T.T2.Panel4->Caption(), QStringLiteral("   gerade benutzte Einstellung:     Addition      "));
        QCOMPARE(T.T2.ProgressBar_Punkte->value(), 0);
        QCOMPARE(T.T3.Panel4->Caption(), QStringLiteral("   gerade benutzte Einstellung:     leicht"));
        QCOMPARE(T.T4.Panel4->Caption(), QStringLiteral("   gerade benutzte Einstellung: alle Werte"));
        QCOMPARE(T.T4.StringGrid1->Zeile(1).at(5), QStringLiteral("nicht gelöst"));
        QCOMPARE(T.T4.StringGrid1->columnWidth(4), 111);

        // Only framing lines: every row has "0" answers.
        QCOMPARE(T.Statistik_Text().size(), 13 + 4 * 4 + 1);
    }

    void eine_richtige_Division_schwer()
    {
        TTabellen T;
        T.einstellen(1, 1);
        T.einstellen(4, 3);
        T.antworten(true);
        QCOMPARE(T.T1.StringGrid1->Zeile(14),
                 Zeile({"Division", "schwer", "9", "1", "1", "0", "100.00 %", "9", "9", "0", "100.00 %"}));
        QCOMPARE(T.T1.Panel4->Caption(), QStringLiteral("   gerade benutzte Einstellung:     Division       schwer"));
        QCOMPARE(T.T1.Panel3->Caption(), Anzahl_Praefix + QStringLiteral("100.00 %"));
        QCOMPARE(T.T1.ProgressBar_Anzahl->maximum(), 1);
        QCOMPARE(T.T1.ProgressBar_Anzahl->value(), 1);
        QCOMPARE(T.T2.StringGrid1->Zelle(6, 2), QStringLiteral("9.00"));
        QCOMPARE(T.T4.StringGrid1->Zelle(3, 2), QStringLiteral("9.00"));
        Auswahl_pruefen(T.T1.StringGrid1, 14, 6);

        const QStringList S = T.Statistik_Text();
        QCOMPARE(S.size(), 13 + 4 * 5 + 1);
        QCOMPARE(S.at(17),
                 QStringLiteral("      Division| schwer|   9|   1|   1|   0|  100.00 %|   9|   9|   0|  100.00 %|"));
    }

    void Tabelle_1_behaelt_Anzeige_bei_neuer_Einstellung()
    {
        TTabellen T;
        T.einstellen(4, 3);
        T.antworten(true);
        const QString vorher = T.T1.Panel4->Caption();
        T.einstellen(3, 2);
        QCOMPARE(T.T1.Panel4->Caption(), vorher);
        QCOMPARE(T.T1.Panel3->Caption(), Anzahl_Praefix + QStringLiteral("100.00 %"));
        QCOMPARE(T.T1.ProgressBar_Anzahl->maximum(), 1);
        QCOMPARE(T.T1.ProgressBar_Anzahl->value(), 1);
        Auswahl_pruefen(T.T1.StringGrid1, 10, 6);
        QCOMPARE(T.T2.Panel4->Caption(), QStringLiteral("   gerade benutzte Einstellung:     Multiplikation"));
        QCOMPARE(T.T2.Panel_Punkte_Ueberschrift->Caption(),
                 QStringLiteral("   Prozentzahl: Anzahl erreichter Punkte / Anzahl zu erreichender Punkte : ---"));
        QCOMPARE(T.T2.ProgressBar_Anzahl->value(), 0);
        Auswahl_pruefen(T.T2.StringGrid1, 5, 6);
        Auswahl_pruefen(T.T3.StringGrid1, 4, 6);

        // A click anywhere goes back to column 6 of the setting's row.
        for (TF_Auswertung_Tabelle_Kategorie *K : T.Kategorien()) {
            K->show();
            Zelle_klicken(K->StringGrid1, 3, 9);
            const int z = Zeile_der_Einstellung(K->Konfiguration(), 3, 2);
            Auswahl_pruefen(K->StringGrid1, z, 6);
            Zelle_klicken(K->StringGrid1, 0, 0);
            Auswahl_pruefen(K->StringGrid1, z, 6);
        }
        QCOMPARE(T.T1.Panel4->Caption(), vorher);
    }

    void Tabelle_0_Sequenzen_und_Balken()
    {
        TTabellen T;
        T.einstellen(3, 2);
        T.antworten(true);
        T.antworten(false);
        T.antworten(true);
        TStringGrid *G = T.T0.StringGrid_Auswertung_0;
        QCOMPARE(G->Zeile(2),
                 Zeile({"Multiplikation", "mittel", "6", "3", "2", "1", "66.67 %", "18", "12", "6", "66.67 %"}));
        QCOMPARE(T.T0.ProgressBar_Aufgabendarstellung->maximum(), 3);
        QCOMPARE(T.T0.ProgressBar_Aufgabendarstellung->value(), 2);

        T.einstellen(4, 3);
        QCOMPARE(G->Zeile(3),
                 Zeile({"Division      ", "schwer", "9", "0", "0", "0", "0.00 %", "0", "0", "0", "0.00 %"}));
        QCOMPARE(G->Zelle(2, 0), QStringLiteral("Multiplikation"));
        QCOMPARE(T.T0.ProgressBar_Aufgabendarstellung->value(), 0);
        QCOMPARE(T.T0.Panel1->Caption(), QStringLiteral("   gerade benutzte Einstellung:     Division       schwer"));

        // A click elsewhere returns to the current row and re-applies the bar.
        T.T0.ProgressBar_Aufgabendarstellung->setValue(1);
        Zelle_klicken(G, 2, 9);
        Auswahl_pruefen(G, 3, 6);
        QCOMPARE(T.T0.ProgressBar_Aufgabendarstellung->value(), 0);
    }

    void Tasten_in_den_Tabellen_wie_ein_Klick()
    {
        TTabellen T;
        T.T1.show();
        T.einstellen(1, 1);
        T.antworten(true);
        T.einstellen(2, 2);
        T.antworten(false);
        TStringGrid *G0 = T.T0.StringGrid_Auswertung_0;
        TStringGrid *G1 = T.T1.StringGrid1;
        const int Zeile_1 = G1->currentRow();
        Auswahl_pruefen(G0, 3, 6);
        // A key is answered like a click, which also re-applies the bar.
        T.T0.ProgressBar_Aufgabendarstellung->setValue(1);
        const QList<std::pair<int, Qt::KeyboardModifiers>> Tasten = {
            {Qt::Key_Up, Qt::NoModifier},   {Qt::Key_Right, Qt::NoModifier},   {Qt::Key_PageDown, Qt::NoModifier},
            {Qt::Key_Home, Qt::NoModifier}, {Qt::Key_Down, Qt::ShiftModifier}, {Qt::Key_End, Qt::ControlModifier}};
        for (TStringGrid *G : {G0, G1})
            for (const auto &[Taste, Umschalt] : Tasten) {
                QTest::keyClick(G, Qt::Key(Taste), Umschalt);
                Auswahl_pruefen(G, G == G0 ? 3 : Zeile_1, 6);
            }
        QCOMPARE(T.T0.ProgressBar_Aufgabendarstellung->value(), 0);
    }

    void Tabelle_0_rollt_ab_Sequenz_6()
    {
        TTabellen T;
        TStringGrid *G = T.T0.StringGrid_Auswertung_0;
        for (int s = 1; s <= 5; ++s) {
            T.einstellen(1, 1);
            T.antworten(true);
            QCOMPARE(T.A.Ablauf.Aufgaben_Ergebnis().Nr_Uebungssequenz, std::uint8_t(s));
            QCOMPARE(G->TopRow(), 2);
        }
        T.einstellen(2, 2);
        QCOMPARE(G->TopRow(), 3);
        Auswahl_pruefen(G, 7, 6);
        // The header rows stay in view above the scrolled data rows.
        QWidget *Kopf = G->findChild<QWidget *>(QStringLiteral("Feste_Zeilen"));
        QVERIFY(Kopf && Kopf->isVisible());
        QCOMPARE(Kopf->height(), 48);
    }

    void Tabelle_0_zeigt_nach_dem_Neubeginn_im_Verborgenen_Zeile_2()
    {
        TTabellen T;
        for (int s = 1; s <= 24; ++s) {
            T.einstellen(1, 1);
            T.antworten(true);
        }
        TStringGrid *G = T.T0.StringGrid_Auswertung_0;
        QVERIFY(G->TopRow() > 10);
        // The wrap comes while the page (or the whole evaluation) is hidden.
        T.T0.hide();
        QTimer::singleShot(0, this, [] {
            if (auto *D = qobject_cast<TDlg_Memo_darstellen1 *>(QApplication::activeModalWidget()))
                D->accept();
        });
        T.A.einstellen(1, 1);
        QCOMPARE(T.A.Ablauf.Aufgaben_Ergebnis().Nr_Uebungssequenz, std::uint8_t(1));
        T.T0.Tabelle_zuruecksetzen(true);
        T.weitergeben();
        T.T0.show();
        QVERIFY(QTest::qWaitForWindowExposed(&T.T0));
        QCOMPARE(G->TopRow(), 2);
        const int Kopf = G->rowHeight(0) + G->rowHeight(1);
        QCOMPARE(G->rowViewportPosition(2), Kopf);
    }

    void Tabelle_0_am_Ende_keine_halbe_Zeile_unter_dem_Kopf()
    {
        TTabellen T;
        TStringGrid *G = T.T0.StringGrid_Auswertung_0;
        const int Kopf = G->rowHeight(0) + G->rowHeight(1);
        for (const int Hoehe : {219, 230, 250}) {
            G->setFixedHeight(Hoehe);
            QVERIFY(QTest::qWaitFor([&] { return G->height() == Hoehe; }));
            G->setTopRow(G->rowCount());
            QCoreApplication::processEvents();
            // The first row below the fixed rows starts right under them; the last one is whole.
            QCOMPARE(G->rowViewportPosition(G->rowAt(Kopf)), Kopf);
            QVERIFY(G->rowViewportPosition(25) + G->rowHeight(25) <= G->viewport()->height());
        }
    }

    void Tabelle_0_Zuruecksetzen_ohne_Hinweis()
    {
        TTabellen T;
        T.einstellen(1, 1);
        T.antworten(true);
        T.T0.Tabelle_zuruecksetzen(false);
        QCOMPARE(T.T0.StringGrid_Auswertung_0->Zeile(2), QStringList(11, QString()));
        QCOMPARE(
            T.T0.Panel_2->Caption(),
            QStringLiteral("   Prozentzahl : Anzahl richtig gelöster Aufgaben / Anzahl gestellter Aufgaben : ---"));
    }
};

QTEST_MAIN(Test_Tabellen_Frames)
#include "test_tabellen_frames.moc"
