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
#include "exercises/TFrame_Auswertung_kurz.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "solution_paths/TF_Ganzform_ohne_VZ.h"
#include "solution_paths/TF_Tarvo.h"
#include "solution_paths/TF_Tarvo_Loesungsschritt.h"
#include "solution_paths/TF_Tarvo_Loesungsweg.h"
#include "solution_paths/Tarvo_Aufgabe_erzeugen.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

    // F2 in the answer field, the explanation's context entry and its
    // accessible action open the judged task on the demonstrator, which keeps
    // its path settings; the exercise page is left as it was.
    void Rechenweg_der_beurteilten_Aufgabe()
    {
        TF_Tarvo *Wege = Fenster->F_Tarvo1;
        QLineEdit *Feld = Uebung->MaskEdit_Schuelerloesung;
        QAccessibleInterface *Erklaerung = QAccessible::queryAccessibleInterface(Uebung->RichEdit_Erlaeterungen);
        const QString Eintrag = QStringLiteral("Rechenweg zu dieser Aufgabe zeigen");
        const auto angeboten = [&] { return Erklaerung->actionInterface()->actionNames().contains(Eintrag); };

        // Nothing judged yet: F2 does nothing, the entry is greyed and not offered.
        const QString Erste_Zeile = Wege->F_Tarvo_Loesungsweg1->F_Tarvo_Loesungsschritt1->Zeilen().join(u'|');
        QTest::keyClick(Feld, Qt::Key_F2);
        QCOMPARE(Fenster->PageControl1->currentIndex(), 0);
        QCOMPARE(Wege->F_Tarvo_Loesungsweg1->F_Tarvo_Loesungsschritt1->Zeilen().join(u'|'), Erste_Zeile);
        QVERIFY(!Uebung->A_Rechenweg_zeigen->isEnabled());
        QVERIFY(Uebung->RichEdit_Erlaeterungen->actions().contains(Uebung->A_Rechenweg_zeigen));
        QVERIFY(!angeboten());

        // The demonstrator's own settings: short path, step by step.
        Fenster->PageControl1->setCurrentIndex(1);
        klicken(Wege->RadioGroup_Loesungsweg, 0);
        klicken(Wege->RadioGroup_Loesungsausgabe, 2);
        Fenster->PageControl1->setCurrentIndex(0);

        klicken(Uebung->RadioGroup_Schwierigkeitsgrad, 1);
        QListWidget *Liste = Uebung->ListBox_Rechenart_waehlen;
        QTest::mouseClick(Liste->viewport(), Qt::LeftButton, {}, Liste->visualItemRect(Liste->item(1)).center());
        const TEinstellung_Aufgabe Beurteilt = Uebung->Aufgabe();
        antworten(false);
        const QString Erlaeuterung = Uebung->RichEdit_Erlaeterungen->toPlainText();
        const QStringList Protokoll = Auswertung->Protokoll_Zeilen();
        const TStatistik_Speicher Statistik = Auswertung->Stand().Statistik;
        const TAuswertung_kurz_Werte Kurz = Uebung->Frame_Auswertung_kurz1->Werte();
        const TEinstellung_Aufgabe Naechste = Uebung->Aufgabe();
        QVERIFY(angeboten());

        QTest::keyClick(Feld, Qt::Key_F2);
        QCOMPARE(Fenster->PageControl1->currentIndex(), 1);
        QCOMPARE(Wege->ListBox_Operation->currentRow(), 1);
        QCOMPARE(Wege->RadioGroup_Schwierigkeitsgrad->ItemIndex(), 1);
        QVERIFY(Wege->RadioGroup_Schwierigkeitsgrad->Button(1)->isChecked());
        QCOMPARE(Wege->RadioGroup_Loesungsweg->ItemIndex(), 0);
        QCOMPARE(Wege->RadioGroup_Loesungsausgabe->ItemIndex(), 2);
        TF_Tarvo_Loesungsschritt *Zeile = Wege->F_Tarvo_Loesungsweg1->F_Tarvo_Loesungsschritt1;
        QCOMPARE(Zeile->F_Ganzform_ohne_VZ1->Text(), Zahl_geklammert(Beurteilt.Zahl_1));
        QCOMPARE(Zeile->F_Ganzform_ohne_VZ2->Text(), Zahl_geklammert(Beurteilt.Zahl_2));
        QCOMPARE(Zeile->Zeilen(),
                 (QStringList{QStringLiteral("Aufgabe aus der Übung:"), QString(),
                              QStringLiteral("(%1)-(%2)").arg(Beurteilt.STR_Zahl_1, Beurteilt.STR_Zahl_2)}));
        // Step by step: the next row waits covered for the pupil.
        QVERIFY(Wege->F_Tarvo_Loesungsweg1->F_Tarvo_Loesungsschritt2->verdeckt());
        // The page's own next task is drawn again, under the chosen settings.
        QTest::mouseClick(Wege->Button_Aufgabe_stellen, Qt::LeftButton);
        QCOMPARE(Zeile->Zeilen().value(0), QStringLiteral("mittelschwere Aufgabe:"));

        // Back with Ctrl+Shift+Tab: the answer field has the focus, nothing changed.
        QVERIFY(QApplication::focusWidget() != Feld);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Fenster->PageControl1->currentIndex(), 0);
        QVERIFY(Feld->hasFocus());
        QCOMPARE(Uebung->RichEdit_Erlaeterungen->toPlainText(), Erlaeuterung);
        QCOMPARE(Uebung->Panel_2_1_3->Farbe(), Farbe_Rot);
        QCOMPARE(Auswertung->Protokoll_Zeilen(), Protokoll);
        QVERIFY(Auswertung->Stand().Statistik == Statistik);
        QCOMPARE(Uebung->Frame_Auswertung_kurz1->Werte().Anzahl_falsch, Kurz.Anzahl_falsch);
        QCOMPARE(Uebung->Frame_Auswertung_kurz1->Werte().Anzahl_gestellt, Kurz.Anzahl_gestellt);
        QCOMPARE(Uebung->Aufgabe().Zahl_1, Naechste.Zahl_1);
        QCOMPARE(Uebung->Aufgabe().Zahl_2, Naechste.Zahl_2);

        // The accessible action does the same.
        Erklaerung->actionInterface()->doAction(Eintrag);
        QCOMPARE(Fenster->PageControl1->currentIndex(), 1);
        QCOMPARE(Zeile->Zeilen().value(0), QStringLiteral("Aufgabe aus der Übung:"));
        QCOMPARE(Zeile->F_Ganzform_ohne_VZ1->Text(), Zahl_geklammert(Beurteilt.Zahl_1));
        Fenster->PageControl1->setCurrentIndex(0);

        // Both evaluations reset: the judged task is gone.
        QTest::mouseClick(Uebung->Button_Auswertung_reseten, Qt::LeftButton);
        QVERIFY(!Uebung->A_Rechenweg_zeigen->isEnabled());
        QVERIFY(!angeboten());
        QTest::keyClick(Feld, Qt::Key_F2);
        QCOMPARE(Fenster->PageControl1->currentIndex(), 0);
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
        QVERIFY2(
            QTest::qWaitFor([&] { return Auftrag_abgeschlossen(QStringLiteral("Protokoll: zum Tarvo"), Seit); }, 60000),
            "no completed job \"Protokoll: zum Tarvo\"");
        QCOMPARE(Auswertung->Protokoll_Zeilen().size(), 6);
    }
};

QTEST_MAIN(Test_Haupt_Seiten)
#include "test_haupt_seiten.moc"
