#include "tests/support/Zugang_Pruefung.h"

#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "solution_paths/TDlg_Memo_darstellen1.h"
#include "solution_paths/TF_Tarvo.h"
#include "solution_paths/TF_Tarvo_Loesungsschritt.h"
#include "solution_paths/TF_Tarvo_Loesungsweg.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

namespace {
// Presses Tab until Ziel has the focus; false when a whole round missed it.
bool Tab_bis(QWidget *Ziel, int hoechstens = 40)
{
    for (int i = 0; i < hoechstens; ++i) {
        if (QApplication::focusWidget() == Ziel)
            return true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return QApplication::focusWidget() == Ziel;
}
}

class Test_Tarvo_Tastatur : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void Steuerleiste_von_links_nach_rechts_dann_die_Zeilen()
    {
        TF_Tarvo F;
        F.resize(1600, 1000);
        F.show();
        QVERIFY(QTest::qWaitForWindowActive(&F));
        F.RadioGroup_Loesungsausgabe->setItemIndex(1);
        F.Initialisieren();
        const QList<QWidget *> Weg = Tab_Weg(F.Button_Aufgabe_stellen, 8);
        TF_Tarvo_Loesungsweg *L = F.F_Tarvo_Loesungsweg1;
        // Tab enters each radio group once, at its checked item.
        const QList<QWidget *> Erwartet = {F.Button_Aufgabe_stellen,
                                           F.Button_Aufgabe_loesen,
                                           F.ListBox_Operation,
                                           F.RadioGroup_Schwierigkeitsgrad->Button(0),
                                           F.RadioGroup_Loesungsweg->Button(1),
                                           F.RadioGroup_Loesungsausgabe->Button(1),
                                           F.Button_Arbeitsanweisungen,
                                           L->Schritt(1)->Memo1};
        QCOMPARE(Objektnamen(Weg), Objektnamen(Erwartet));
        QCOMPARE(Weg, Erwartet);
    }

    void schrittweise_alles_ohne_Maus_aufdecken()
    {
        TF_Tarvo F;
        F.resize(1600, 1000);
        F.show();
        QVERIFY(QTest::qWaitForWindowActive(&F));
        F.Initialisieren();
        F.Button_Aufgabe_stellen->setFocus(Qt::TabFocusReason);

        // "schrittweise ausgeben" by keyboard: Tab into the group, arrow down.
        TRadioGroup *Ausgabe = F.RadioGroup_Loesungsausgabe;
        for (int Runde = 0; Runde < 3 && Ausgabe->ItemIndex() != 2; ++Runde) {
            QVERIFY(Tab_bis(Ausgabe->Button(Ausgabe->ItemIndex())));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        }
        QCOMPARE(Ausgabe->ItemIndex(), 2);
        // Arrow keys keep the focus on the choice, so the next arrow still chooses.
        QCOMPARE(QApplication::focusWidget(), Ausgabe->Button(2));

        // Pose a task from the keyboard as well.
        QVERIFY(Tab_bis(F.Button_Aufgabe_stellen));
        QTest::keyClick(F.Button_Aufgabe_stellen, Qt::Key_Space);

        TF_Tarvo_Loesungsweg *L = F.F_Tarvo_Loesungsweg1;
        QList<TF_Tarvo_Loesungsschritt *> Verdeckt;
        for (int i = 2; i <= 4; ++i)
            if (!L->Schritt(i)->isHidden() && L->Schritt(i)->verdeckt())
                Verdeckt << L->Schritt(i);
        QVERIFY(Verdeckt.size() >= 2);

        bool Leertaste = true;
        for (TF_Tarvo_Loesungsschritt *S : Verdeckt) {
            QVERIFY2(Tab_bis(S->Panel1), qPrintable(S->accessibleName()));
            QTest::keyClick(S->Panel1, Leertaste ? Qt::Key_Space : Qt::Key_Return);
            Leertaste = !Leertaste;
            QVERIFY(!S->verdeckt());
            // Focus goes on to what was just uncovered, and the row is no longer a stop of its own.
            QCOMPARE(QApplication::focusWidget(), S->Memo1);
            QCOMPARE(S->Panel1->focusPolicy(), Qt::NoFocus);
        }
        for (int i = 2; i <= 4; ++i)
            QVERIFY(L->Schritt(i)->isHidden() || !L->Schritt(i)->verdeckt());
    }

    void Maus_deckt_weiter_auf_und_Tasten_wirken_nur_auf_verdeckte_Zeilen()
    {
        TF_Tarvo F;
        F.show();
        QVERIFY(QTest::qWaitForWindowActive(&F));
        F.Initialisieren();
        F.RadioGroup_Loesungsausgabe->setItemIndex(2);
        F.A_Einstellungen_uebernehmenExecute();
        TF_Tarvo_Loesungsschritt *S = F.F_Tarvo_Loesungsweg1->Schritt(4);
        QVERIFY(S->verdeckt());
        QTest::mouseClick(S->Panel1, Qt::LeftButton, {}, QPoint(S->Panel1->width() / 2, S->Panel1->height() - 5));
        QVERIFY(!S->verdeckt());

        // The task row is never covered and never a focus stop; keys do nothing there.
        TPanel *Aufgabe = F.F_Tarvo_Loesungsweg1->Schritt(1)->Panel1;
        QCOMPARE(Aufgabe->focusPolicy(), Qt::NoFocus);
        QSignalSpy Klicks(Aufgabe, &TPanel::Click);
        QTest::keyClick(Aufgabe, Qt::Key_Space);
        QCOMPARE(Klicks.count(), 0);

        // "Aufgabe lösen" uncovers the rest; no row stays a focus stop.
        F.RadioGroup_Loesungsausgabe->setItemIndex(2);
        F.A_Aufgabe_stellenExecute();
        QTest::keyClick(F.Button_Aufgabe_loesen, Qt::Key_Space);
        for (int i = 2; i <= 4; ++i)
            QCOMPARE(F.F_Tarvo_Loesungsweg1->Schritt(i)->Panel1->focusPolicy(), Qt::NoFocus);
    }

    void Maus_laesst_den_Fokus_und_Tasten_vergroessern_die_Erlaeuterung()
    {
        TF_Tarvo F;
        F.resize(1600, 1000);
        F.show();
        QVERIFY(QTest::qWaitForWindowActive(&F));
        F.Initialisieren();
        F.RadioGroup_Loesungsausgabe->setItemIndex(2);
        F.A_Einstellungen_uebernehmenExecute();
        QCOMPARE(QApplication::focusWidget(), F.Button_Aufgabe_loesen);

        // Uncovered by mouse, on the prompt below the heading: the focus stays.
        TF_Tarvo_Loesungsweg *L = F.F_Tarvo_Loesungsweg1;
        TF_Tarvo_Loesungsschritt *S = nullptr;
        for (int i = 4; i >= 2; --i)
            if (!L->Schritt(i)->isHidden() && L->Schritt(i)->verdeckt())
                S = L->Schritt(i);
        QVERIFY(S);
        const QPoint Punkt(S->width() / 2, S->height() - 10);
        QWidget *Ziel = S->childAt(Punkt);
        QCOMPARE(Ziel, S->Panel1);
        QTest::mouseClick(Ziel, Qt::LeftButton, {}, Ziel->mapFrom(S, Punkt));
        QVERIFY(!S->verdeckt());
        QCOMPARE(QApplication::focusWidget(), F.Button_Aufgabe_loesen);
        // So Space goes on where the pupil was: the rest of the path.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        for (int i = 2; i <= 4; ++i)
            QVERIFY(L->Schritt(i)->isHidden() || !L->Schritt(i)->verdeckt());

        // Enter or Space in an explanation opens the enlarged window with its lines.
        const QStringList Zeilen = S->Zeilen();
        QVERIFY(!Zeilen.isEmpty());
        for (const Qt::Key Taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QVERIFY(Tab_bis(S->Memo1));
            QStringList Gelesen;
            QTimer::singleShot(0, [&] {
                if (auto *D = qobject_cast<TDlg_Memo_darstellen1 *>(QApplication::activeModalWidget())) {
                    Gelesen = D->Zeilen();
                    D->OKBtn->click();
                }
            });
            QTest::keyClick(S->Memo1, Taste, Taste == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(Gelesen, Zeilen);
            QCOMPARE(S->Zeilen(), Zeilen);
            // The offscreen platform does not hand activation back by itself.
            F.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&F));
        }
        // Other keys keep their meaning in the box.
        QTest::keyClick(S->Memo1, Qt::Key_Down);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(Test_Tarvo_Tastatur)
#include "test_tarvo_tastatur.moc"
