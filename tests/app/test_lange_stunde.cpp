#include "tests/support/Modale_Dialoge.h"
#include "tests/support/Unabhaengige_Zaehlung.h"

#include "app/TF_Haupt.h"
#include "core/Textdatei.h"
#include "core/widgets/TRadioGroup.h"
#include "core/Zufall.h"
#include "evaluation/F_Auswertung_Tabelle_1_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_2_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_3_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_4_Datei.h"
#include "evaluation/Protokoll_Kopfzeilen.h"
#include "evaluation/TF_Auswertung.h"
#include "evaluation/TStringGrid.h"
#include "exercises/TFrame_Auswertung_kurz.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "solution_paths/TDlg_Memo_darstellen1.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

// A long lesson through the real main window: RETURN in the answer field,
// settings changed by clicks, the wrap notice closed as the pupil would.
// Everything the evaluation shows afterwards must agree with the test's own
// count.
//
// Through the screen one answer costs about 1.1 ms in a Debug build on two
// cores (nothing is painted here), so 100,000 would take about two minutes,
// and several times that under the sanitizers. 30,000 answers take about
// 35 s, wrap the sequence numbering 31 times and grow the protocol far
// beyond any real lesson; the full 100,000 run through the logic alone in
// test_lange_stunde_logik.
class Test_Lange_Stunde : public QObject
{
    Q_OBJECT

    static constexpr int Antworten = 30000;
    static constexpr int je_Sequenz = 40;

private slots:
    void Lange_Stunde()
    {
        auto Fenster = std::make_unique<TF_Haupt>();
        Fenster->Dialoge_erzeugen();
        Fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(Fenster.get()));
        Zufall_Startwert_setzen(20260);
        TFrame_Tarvo_Uebungen *U = Fenster->Frame_Tarvo_Uebungen1;
        TF_Auswertung *A = U->F_Auswertung2;
        QLineEdit *Feld = U->MaskEdit_Schuelerloesung;
        QListWidget *Liste = U->ListBox_Rechenart_waehlen;

        int Hinweise = 0;

        TUnabhaengige_Zaehlung Z;
        for (int i = 0; i < Antworten; ++i) {
            if (i > 0 && i % je_Sequenz == 0) {
                // Alternately another operation and another difficulty.
                const TDialoge_beantworten Schliesser([&](QDialog *Dialog) {
                    Hinweise += qobject_cast<TDlg_Memo_darstellen1 *>(Dialog) != nullptr;
                    Dialog->accept();
                });
                const int Wechsel = i / je_Sequenz;
                if (Wechsel % 2) {
                    const int Zeile = (Z.Rechenart + (Wechsel / 2) % 3) % 4; // never the current row
                    QTest::mouseClick(Liste->viewport(), Qt::LeftButton, {},
                                      Liste->visualItemRect(Liste->item(Zeile)).center());
                    Z.einstellen(Zeile + 1, Z.Grad);
                } else {
                    const int Grad = Z.Grad % 3; // the next difficulty, zero-based
                    QRadioButton *Knopf = U->RadioGroup_Schwierigkeitsgrad->Button(Grad);
                    QTest::mouseClick(Knopf, Qt::LeftButton, {}, QPoint(6, Knopf->height() / 2));
                    Z.einstellen(Z.Rechenart, Grad + 1);
                }
                QCOMPARE(int(U->Aufgaben_Ergebnis().Rechenart), Z.Rechenart);
                QCOMPARE(int(U->Aufgaben_Ergebnis().Schwierigkeitsgrad), Z.Grad);
            }
            // One answer in seven is wrong; some answers in hexadecimal.
            const TEinstellung_Aufgabe &Aufgabe = U->Aufgabe();
            const bool richtig = i % 7 != 3;
            const qint64 Wert = richtig ? Aufgabe.Ergebnis : qint64(Aufgabe.Ergebnis) + 1;
            Feld->setText(i % 5 == 2 ? QStringLiteral("$") + QString::number(std::uint32_t(Wert), 16)
                                     : QString::number(Wert));
            QTest::keyClick(Feld, Qt::Key_Return);
            Z.antworten(richtig);
            if (!Feld->text().isEmpty())
                QFAIL("the answer field was not emptied");
        }

        QVERIFY2(Z.Umbrueche >= 3, "the lesson must wrap the sequence numbering several times");
        QCOMPARE(Hinweise, Z.Umbrueche);
        QCOMPARE(int(U->Aufgaben_Ergebnis().Nr_Uebungssequenz), Z.Sequenz);

        // The store.
        const TStatistik_Speicher &S = A->Stand().Statistik;
        auto gleich = [](const TStatistik_Werte &W, const TUnabhaengige_Zaehlung::TWerte &E) {
            return W.Anzahl == E.An && W.Anzahl_richtig == E.Richtig && W.Anzahl_falsch == E.Falsch
                && W.Punkte_erreichbar == E.Pn && W.Punkte_erreicht == E.Pplus && W.Punkte_nicht_erreicht == E.Pminus;
        };
        for (int o = 1; o <= 4; ++o) {
            QVERIFY(gleich(S.Kategorie[o - 1], Z.Summe(o, 0)));
            for (int d = 1; d <= 3; ++d)
                QVERIFY(gleich(S.Kategorie_Unterkategorie[o - 1][d - 1], Z.Summe(o, d)));
        }
        for (int d = 1; d <= 3; ++d)
            QVERIFY(gleich(S.Unterkategorie[d - 1], Z.Summe(0, d)));
        QVERIFY(gleich(S.alle_Werte, Z.Summe(0, 0)));
        QCOMPARE(S.alle_Werte.Anzahl, Antworten);

        // The four category grids as they show.
        const std::array<const TStringGrid *, 4> Gitter{
            A->F_Auswertung_Tabelle_1_1->StringGrid1, A->F_Auswertung_Tabelle_2_1->StringGrid1,
            A->F_Auswertung_Tabelle_3_1->StringGrid1, A->F_Auswertung_Tabelle_4_1->StringGrid1};
        for (int Nr = 1; Nr <= 4; ++Nr) {
            const QList<QStringList> Erwartet = Z.Tabelle(Nr);
            QCOMPARE(Gitter[Nr - 1]->rowCount(), 3 + int(Erwartet.size()));
            for (int i = 0; i < Erwartet.size(); ++i) {
                QStringList Ist = Gitter[Nr - 1]->Zeile(3 + i).mid(2);
                if (Nr == 1)
                    Ist[0].clear();
                QCOMPARE(Ist, Erwartet.at(i));
            }
        }

        // The protocol: head, one line per answer, one empty line per sequence change.
        const QStringList Protokoll = A->Protokoll_Zeilen();
        QCOMPARE(Protokoll.size(), Protokoll_Kopfzeilen().size() + Antworten + Z.Leerzeilen);
        QCOMPARE(A->RichEdit1->document()->blockCount(), Protokoll.size());
        bool kodierbar = false;
        Text_zu_Windows_1252(Protokoll, kodierbar);
        QVERIFY2(kodierbar, "the protocol must hold Windows-1252 characters only");

        // The short evaluation.
        const TFrame_Auswertung_kurz *K = U->Frame_Auswertung_kurz1;
        QCOMPARE(K->Edit_Anzahl_gestellter_Aufgaben->text(), QString::number(Antworten));
        QCOMPARE(K->Edit_richtig_geloester_Aufgaben->text(), QString::number(Z.Richtige));
        QCOMPARE(K->Edit_falsch_geloester_Aufgaben->text(), QString::number(Antworten - Z.Richtige));
        QCOMPARE(K->Edit_Prozentzahl->text(),
                 QString::number(double(Z.Richtige) * 100.0 / Antworten, 'f', 1).rightJustified(5) + u'%');
    }
};

QTEST_MAIN(Test_Lange_Stunde)
#include "test_lange_stunde.moc"
