#include "solution_paths/TDlg_Arbeitsanweisungen.h"
#include "solution_paths/TDlg_Memo_darstellen1.h"
#include "solution_paths/TF_Ganzform_ohne_VZ.h"
#include "solution_paths/TF_Tarvo.h"
#include "solution_paths/TF_Tarvo_Loesungsschritt.h"
#include "solution_paths/TF_Tarvo_Loesungsweg.h"
#include "solution_paths/TF_ein_Zeichen.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "core/Zufall.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

// Which of rows 2..4 are shown, and which of them are covered.
QList<int> Sichtbare_Schritte(const TF_Tarvo &F)
{
    QList<int> N;
    for (int i = 2; i <= 4; ++i)
        if (!F.F_Tarvo_Loesungsweg1->Schritt(i)->isHidden())
            N << i;
    return N;
}

QList<int> Verdeckte_Schritte(const TF_Tarvo &F)
{
    QList<int> N;
    for (int i = 2; i <= 4; ++i) {
        auto *S = F.F_Tarvo_Loesungsweg1->Schritt(i);
        if (!S->isHidden() && S->verdeckt())
            N << i;
    }
    return N;
}

void Ausgabe_waehlen(TF_Tarvo &F, int Index)
{
    QTest::mouseClick(F.RadioGroup_Loesungsausgabe->Button(Index), Qt::LeftButton);
}

// Closes the next modal dialog after reading what it shows.
template <typename Dialog>
void Dialog_lesen_und_schliessen(QStringList &Gelesen)
{
    QTimer::singleShot(0, [&Gelesen] {
        auto *D = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!D)
            return;
        Gelesen = D->Zeilen();
        D->OKBtn->click();
    });
}

} // namespace

class Test_Tarvo_GUI : public QObject
{
    Q_OBJECT
private slots:
    void Erste_Aufgabe_leichte_Addition_lang_direkt()
    {
        TF_Tarvo F;
        F.Initialisieren();
        QCOMPARE(F.Einstellung.Rechenart, TRechenart::Addition);
        QCOMPARE(F.Einstellung.Schwierigkeitsgrad, TSchwierigkeitsgrad::leicht);
        QCOMPARE(F.Einstellung.Loesungsweg, TLoesungsweg::lang);
        QVERIFY(F.Button_Aufgabe_loesen->isHidden());
        QCOMPARE(Sichtbare_Schritte(F), (QList<int>{3, 4}));
        QVERIFY(Verdeckte_Schritte(F).isEmpty());

        auto *Aufgabe = F.F_Tarvo_Loesungsweg1->F_Tarvo_Loesungsschritt1;
        QVERIFY(!Aufgabe->isHidden());
        QCOMPARE(Aufgabe->Panel2->Caption(), QStringLiteral("Aufgabe"));
        QCOMPARE(Aufgabe->Zeilen(),
                 (QStringList{QStringLiteral("leichte Aufgabe:"), QString(),
                              QStringLiteral("Zahlen aus : -10..-1,+1..+10")}));
        QVERIFY(Aufgabe->F_ein_Zeichen1->Edit1->isHidden());
        QVERIFY(!Aufgabe->F_ein_Zeichen1->isHidden()); // the "=" keeps its place
        QCOMPARE(Aufgabe->F_ein_Zeichen2->Edit1->text(), QStringLiteral("+"));
        QCOMPARE(Aufgabe->height(), 130);
        auto *Zeile4 = F.F_Tarvo_Loesungsweg1->F_Tarvo_Loesungsschritt4;
        QCOMPARE(Zeile4->F_Ganzform_ohne_VZ1->Text(), QString::number(F.Einstellung.Ergebnis));
        QVERIFY(!Zeile4->F_ein_Zeichen1->Edit1->isHidden());
        QVERIFY(Zeile4->F_Ganzform_ohne_VZ2->isHidden());
    }

    void Drei_Ausgabearten_und_Fokus()
    {
        TF_Tarvo F;
        F.resize(1400, 900);
        F.show();
        F.Initialisieren();
        F.ListBox_Operation->setCurrentRow(1); // a subtraction: rows 2, 3, 4
        QCOMPARE(F.Einstellung.Rechenart, TRechenart::Subtraktion);
        QCOMPARE(Sichtbare_Schritte(F), (QList<int>{2, 3, 4}));

        Ausgabe_waehlen(F, 1);
        QVERIFY(!F.Button_Aufgabe_loesen->isHidden());
        QCOMPARE(F.Button_Aufgabe_loesen->text(), QStringLiteral("Aufgabe lösen"));
        QVERIFY(Sichtbare_Schritte(F).isEmpty());
        QCOMPARE(F.focusWidget(), F.Button_Aufgabe_loesen);
        const int Zahl_1 = F.Einstellung.Zahl_1, Zahl_2 = F.Einstellung.Zahl_2;
        QTest::mouseClick(F.Button_Aufgabe_loesen, Qt::LeftButton);
        QCOMPARE(Sichtbare_Schritte(F), (QList<int>{2, 3, 4}));
        QVERIFY(Verdeckte_Schritte(F).isEmpty());
        QCOMPARE(F.focusWidget(), F.Button_Aufgabe_stellen);
        QCOMPARE(F.Einstellung.Zahl_1, Zahl_1);
        QCOMPARE(F.Einstellung.Zahl_2, Zahl_2);

        Ausgabe_waehlen(F, 2);
        QCOMPARE(Verdeckte_Schritte(F), (QList<int>{2, 3, 4}));
        QCOMPARE(F.focusWidget(), F.Button_Aufgabe_loesen);
        auto *Zeile3 = F.F_Tarvo_Loesungsweg1->F_Tarvo_Loesungsschritt3;
        QCOMPARE(Zeile3->Panel1->Caption(), QStringLiteral("Mausklick: Lösungsschritt anzeigen"));
        QCOMPARE(Zeile3->Panel2->Caption(), QStringLiteral("Regeln zur Addition anwenden"));
        const QStringList Zeilen3 = Zeile3->Zeilen();
        // The heading bar stays on top of a covered row, clear of the prompt.
        QVERIFY(QTest::qWaitFor([&] { return Zeile3->Panel2->y() < 5; }));

        // A click on the prompt uncovers that row only.
        QTest::mouseClick(Zeile3->Panel1, Qt::LeftButton, {}, QPoint(Zeile3->Panel1->width() / 2, 80));
        QCOMPARE(Verdeckte_Schritte(F), (QList<int>{2, 4}));

        QTest::mouseClick(F.Button_Aufgabe_loesen, Qt::LeftButton);
        QVERIFY(Verdeckte_Schritte(F).isEmpty());
        QCOMPARE(Zeile3->Zeilen(), Zeilen3);
        QCOMPARE(F.focusWidget(), F.Button_Aufgabe_stellen);
        QTest::mouseClick(F.Button_Aufgabe_loesen, Qt::LeftButton);
        QVERIFY(Verdeckte_Schritte(F).isEmpty());
        QCOMPARE(Zeile3->Zeilen(), Zeilen3);

        QTest::mouseClick(F.Button_Aufgabe_stellen, Qt::LeftButton);
        QCOMPARE(Verdeckte_Schritte(F), (QList<int>{2, 3, 4}));

        Ausgabe_waehlen(F, 0);
        QVERIFY(F.Button_Aufgabe_loesen->isHidden());
        QCOMPARE(Sichtbare_Schritte(F), (QList<int>{2, 3, 4}));
        QVERIFY(Verdeckte_Schritte(F).isEmpty());
    }

    void Zeilen_schliessen_auf()
    {
        // Hidden rows take no space: row 4 sits right below row 1.
        TF_Tarvo F;
        F.resize(1400, 900);
        F.show();
        F.Initialisieren();
        QTest::mouseClick(F.RadioGroup_Loesungsweg->Button(0), Qt::LeftButton);
        QCOMPARE(Sichtbare_Schritte(F), QList<int>{4});
        QVERIFY(QTest::qWaitFor([&] {
            auto *W = F.F_Tarvo_Loesungsweg1;
            return W->F_Tarvo_Loesungsschritt4->y() < W->F_Tarvo_Loesungsschritt1->y() + 130 + 20;
        }));
    }

    void Informationsfenster_zeigt_die_Zeilen()
    {
        TF_Tarvo_Loesungsschritt S;
        S.resize(1200, 130);
        S.show();
        const QStringList Zeilen{QStringLiteral("Summe berechnen:"), QString(),
                                 QStringLiteral("Bestimmung des Vorzeichens : Das Vorzeichen ist bestimmt worden : -")};
        S.Schritt_Zahl_zeigen(false, true, -8, QStringLiteral("Summe berechnen"), Zeilen);
        QCOMPARE(S.F_Ganzform_ohne_VZ1->Text(), QStringLiteral("-8"));
        QCOMPARE(S.Memo1->toolTip(), QStringLiteral("Doppelklick: vergrößern"));

        QStringList Gelesen;
        TFarbe Farbe_waehrenddessen{};
        QTimer::singleShot(0, [&] {
            auto *D = qobject_cast<TDlg_Memo_darstellen1 *>(QApplication::activeModalWidget());
            if (!D)
                return;
            Gelesen = D->Zeilen();
            Farbe_waehrenddessen = S.Panel4->Farbe();
            D->OKBtn->click();
        });
        QTest::mouseDClick(S.Memo1->viewport(), Qt::LeftButton);
        QCOMPARE(Gelesen, Zeilen);
        QCOMPARE(Farbe_waehrenddessen, Farbe_Aqua);
        QCOMPARE(S.Panel4->Farbe(), Farbe_Silber);
        QCOMPARE(S.Zeilen(), Zeilen);
        QVERIFY(S.findChildren<TDlg_Memo_darstellen1 *>().isEmpty());

        // A second show replaces the lines.
        S.Schritt_Text_zeigen(true, false, QStringLiteral("-(7 + 3)"), QStringLiteral("Regeln"),
                              {QStringLiteral("neu")});
        QCOMPARE(S.Zeilen(), QStringList{QStringLiteral("neu")});
        QVERIFY(S.verdeckt());
        QVERIFY(S.F_ein_Zeichen1->Edit1->isHidden());
        QCOMPARE(S.F_Ganzform_ohne_VZ1->Text(), QStringLiteral("-(7 + 3)"));
    }

    void Zahl_geklammert_im_Feld()
    {
        TF_Tarvo_Loesungsschritt S;
        S.Schritt_Aufgabe_zeigen(false, true, -7, 0, QStringLiteral("x"), {});
        QCOMPARE(S.F_Ganzform_ohne_VZ1->Text(), QStringLiteral("(-7)"));
        QCOMPARE(S.F_Ganzform_ohne_VZ2->Text(), QStringLiteral("0"));
        QVERIFY(!S.F_Ganzform_ohne_VZ2->isHidden());
        QCOMPARE(S.F_ein_Zeichen2->Edit1->text(), QStringLiteral("+"));
    }

    void Arbeitsanweisungen()
    {
        TDlg_Arbeitsanweisungen Dialog;
        TF_Tarvo F;
        F.show();
        F.Initialisieren();
        F.Arbeitsanweisungen_setzen(&Dialog);
        QCOMPARE(Dialog.windowTitle(), QStringLiteral("Arbeitsanweisungen"));
        QCOMPARE(Dialog.size(), QSize(775, 562));
        QCOMPARE(Grundfarbe(Dialog.RichEdit1), Farbe_Hellgruen);
        QVERIFY(Dialog.RichEdit1->isReadOnly());

        QStringList Gelesen;
        Dialog_lesen_und_schliessen<TDlg_Arbeitsanweisungen>(Gelesen);
        QTest::mouseClick(F.Button_Arbeitsanweisungen, Qt::LeftButton);
        QCOMPARE(Gelesen.size(), 48);
        const QString Linie(87, u'_');
        for (int i : {0, 3, 16, 19, 47})
            QCOMPARE(Gelesen.at(i), Linie);
        QCOMPARE(Gelesen.at(2), QStringLiteral("  Einstellungen:"));
        QCOMPARE(Gelesen.at(22), QStringLiteral("  Dazu drückt man den Schalter \"Aufgabe stellen\"."));
        QCOMPARE(Gelesen.at(38),
                 QStringLiteral("          c1) Auf den Feldern steht \"Mausklick: Lösungsschritt anzeigen\"."));
        QCOMPARE(
            Gelesen.at(39),
            QStringLiteral("              Drückt man auf dieses Feld, wird der verborgene Lösungschritt angezeigt."));
        QCOMPARE(Gelesen.at(46), QStringLiteral("  so öffnet sich ein Informationsfenster mit allen Informationen."));
        QCOMPARE(F.focusWidget(), F.Button_Aufgabe_stellen);
    }
};

QTEST_MAIN(Test_Tarvo_GUI)
#include "test_tarvo_gui.moc"
