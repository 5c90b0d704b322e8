// The whole window as it stands after start: the four pages, the dialogs it
// owns, and the paths that cross from one part into another.
#include "tests/support/Dialog_Hilfen.h"

#include "app/Dokument_Texte.h"
#include "app/TDialog_Impresssum_0.h"
#include "app/TF_Haupt.h"
#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "core/Zahlentexte.h"
#include "evaluation/TF_Auswertung.h"
#include "evaluation/TF_Sterne_Seite.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "solution_paths/TF_Tarvo.h"
#include "solution_paths/TF_Tarvo_Loesungsschritt.h"
#include "solution_paths/TF_Tarvo_Loesungsweg.h"

#include <QAction>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <memory>

class Test_Haupt_Seiten : public QObject
{
    Q_OBJECT

    std::unique_ptr<TF_Haupt> Fenster;
    TFrame_Tarvo_Uebungen *Uebung = nullptr;
    TF_Auswertung *Auswertung = nullptr;

    void antworten(bool richtig)
    {
        const std::int32_t Ergebnis = Uebung->Aufgabe().Ergebnis;
        QTest::keyClicks(Uebung->MaskEdit_Schuelerloesung, Integer_zu_Text(richtig ? Ergebnis : Ergebnis + 1));
        QTest::keyClick(Uebung->MaskEdit_Schuelerloesung, Qt::Key_Return);
    }
    void klicken(TRadioGroup *Gruppe, int Index)
    {
        QRadioButton *Knopf = Gruppe->Button(Index);
        QTest::mouseClick(Knopf, Qt::LeftButton, {}, QPoint(6, Knopf->height() / 2));
    }

private slots:
    void init()
    {
        Fenster = std::make_unique<TF_Haupt>();
        Fenster->Dialoge_erzeugen();
        Fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(Fenster.get()));
        Fenster->activateWindow();
        Uebung = Fenster->Frame_Tarvo_Uebungen1;
        Auswertung = Uebung->F_Auswertung2;
    }
    void cleanup() { Fenster.reset(); }

    void Alle_Seiten_nach_dem_Start()
    {
        QCOMPARE(Fenster->PageControl1->count(), 4);
        // The demonstrator already shows a posed task: an easy addition, long path, shown at once.
        const TF_Tarvo *Wege = Fenster->F_Tarvo1;
        QCOMPARE(Wege->Einstellung.Rechenart, TRechenart::Addition);
        QCOMPARE(Wege->F_Tarvo_Loesungsweg1->F_Tarvo_Loesungsschritt1->Panel2->Caption(), QStringLiteral("Aufgabe"));
        QVERIFY(!Wege->F_Tarvo_Loesungsweg1->F_Tarvo_Loesungsschritt4->isHidden());
        // The document page shows its bar with the combined button only, and the document.
        const auto *Dokument = Fenster->Frame_RTF_Text_mit_drucken_Laden11;
        QVERIFY(!Dokument->Panel2->isHidden());
        QVERIFY(!Dokument->Button_drucken_und_laden->isHidden());
        QVERIFY(Dokument->Button_drucken->isHidden());
        QVERIFY(Dokument->Button_laden->isHidden());
        QCOMPARE(Dokument->RichEdit1->toPlainText().split(u'\n'), Informationsdokument_Zeilen());
        QCOMPARE(Fenster->RichEdit2->toPlainText().split(u'\n'), Programm_Informationen_Zeilen());
        QCOMPARE(Fenster->RichEdit2->toPlainText().split(u'\n').size(), 26);
    }

    void Info_zeigt_das_Impressum_modal()
    {
        QWidget *Gezeigt = nullptr;
        Beim_naechsten_Dialog([&](QWidget *D) {
            Gezeigt = D;
            QTest::keyClick(D, Qt::Key_Return);
        });
        Fenster->Impressum1->trigger();
        QVERIFY(qobject_cast<TDialog_Impresssum_0 *>(Gezeigt));
        QCOMPARE(Gezeigt, static_cast<QWidget *>(Fenster->Dialog_Impresssum_0));
        QVERIFY(!Gezeigt->isVisible());
    }

    void Drei_Smileys_leicht_decken_das_Bild_auf()
    {
        klicken(Uebung->RadioGroup_Auswertung, 0);
        TF_Sterne_Seite *Sterne = Auswertung->Sterne_Seite;
        QVERIFY(Sterne->Image1->isHidden());
        for (int i = 0; i < 9; ++i)
            antworten(true);
        QCOMPARE(Auswertung->Stand().Sterne.Anzahl_Smily[0], 3);
        QVERIFY(Sterne->Panel_Sterne_1->isHidden());
        QVERIFY(Sterne->RichEdit_Sterne_1->isHidden());
        QVERIFY(!Sterne->Panel_Sterne_2->isHidden());
        QVERIFY(!Sterne->Image1->isHidden());

        // The choice is routed through the window: the pupil can type on.
        klicken(Sterne->RadioGroup_Bild_zeigen, 1);
        QVERIFY(!Sterne->Panel_Sterne_1->isHidden());
        QVERIFY(!Sterne->RichEdit_Sterne_1->isHidden());
        QVERIFY(Sterne->Image1->isHidden());
        QVERIFY(Uebung->MaskEdit_Schuelerloesung->hasFocus());
        klicken(Sterne->RadioGroup_Bild_zeigen, 0);
        QVERIFY(Sterne->Panel_Sterne_1->isHidden());
        QVERIFY(!Sterne->Image1->isHidden());
        QVERIFY(Uebung->MaskEdit_Schuelerloesung->hasFocus());

        // Both evaluations reset: all rows back, the picture beneath full rows.
        QTest::mouseClick(Uebung->Button_Auswertung_reseten, Qt::LeftButton);
        QCOMPARE(Auswertung->Stand().Sterne.Anzahl_Smily[0], 0);
        QVERIFY(!Sterne->Panel_Sterne_1->isHidden());
        QVERIFY(!Sterne->Image1->isHidden());
        QCOMPARE(Sterne->RadioGroup_Bild_zeigen->ItemIndex(), 0);
    }

    void Protokoll_wird_vom_Protokollblatt_gedruckt()
    {
        if (QPrinterInfo::defaultPrinter().isNull())
            QSKIP("no default printer (scripts/drucker_einrichten.sh sets one up)");
        antworten(true);
        antworten(false);
        const int Seit = Letzter_Auftrag();
        // Enter in the freshly opened choice dialog prints the protocol.
        Beim_naechsten_Dialog([](QWidget *D) { QTest::keyClick(D->focusWidget(), Qt::Key_Return); });
        QTest::mouseClick(Auswertung->Button_Protokoll_Statistik_drucken_speichern, Qt::LeftButton);
        QVERIFY2(QTest::qWaitFor([&] { return Auftrag_abgeschlossen(QStringLiteral("Protokoll: zum Tarvo"), Seit); },
                                 60000),
                 "no completed job \"Protokoll: zum Tarvo\"");
        QCOMPARE(Auswertung->Protokoll_Zeilen().size(), 6);
    }
};

QTEST_MAIN(Test_Haupt_Seiten)
#include "test_haupt_seiten.moc"
