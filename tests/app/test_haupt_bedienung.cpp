#include "app/TF_Haupt.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/TListBox.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "evaluation/TF_Auswertung.h"
#include "exercises/Antwort_Bewertung.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "solution_paths/TF_Tarvo.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <memory>

namespace {
// A click where the window system would deliver it: on the deepest child at that point.
void klicken_bei(QWidget *W, QPoint Punkt, Qt::KeyboardModifiers Umschalt = {})
{
    QWidget *Ziel = W->childAt(Punkt);
    if (!Ziel)
        Ziel = W;
    QTest::mouseClick(Ziel, Qt::LeftButton, Umschalt, Ziel->mapFrom(W, Punkt));
}

// The right-hand end of an item's row, inside the group's frame.
void Zeilenende_klicken(TRadioGroup *Gruppe, int Index)
{
    const QRadioButton *Knopf = Gruppe->Button(Index);
    klicken_bei(Gruppe, QPoint(Gruppe->width() - 4, Knopf->geometry().center().y()));
}

void umschalten(QRadioButton *Knopf)
{
    QAccessibleActionInterface *Aktionen = QAccessible::queryAccessibleInterface(Knopf)->actionInterface();
    QVERIFY(Aktionen);
    QVERIFY(Aktionen->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    Aktionen->doAction(QAccessibleActionInterface::toggleAction());
}

bool zeigt_die_Wahl(const QListWidget *Liste)
{
    const QList<QListWidgetItem *> Auswahl = Liste->selectedItems();
    return Auswahl.size() == 1 && Auswahl.first() == Liste->currentItem();
}
}

// Choices as the pupil makes them on both pages of the main window: each is
// shown and taken over exactly once, whichever way it is made.
class Test_Haupt_Bedienung : public QObject
{
    Q_OBJECT

    std::unique_ptr<TF_Haupt> Fenster;
    TFrame_Tarvo_Uebungen *Uebung = nullptr;
    QLineEdit *Feld = nullptr;

    int Uebergaben() const { return Uebung->F_Auswertung2->Anzahl_Uebergaben(); }
    QStringList Einstellungen() const { return Uebung->RichEdit_Einstellungen->toPlainText().split(u'\n'); }

private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void init()
    {
        Fenster = std::make_unique<TF_Haupt>();
        Fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(Fenster.get()));
        Uebung = Fenster->Frame_Tarvo_Uebungen1;
        Feld = Uebung->MaskEdit_Schuelerloesung;
        QVERIFY(QTest::qWaitFor([&] { return Feld->hasFocus(); }));
    }

    void cleanup() { Fenster.reset(); }

    void Auswahlgruppen_ganze_Zeile_Tasten_und_Zugangsaktion()
    {
        TRadioGroup *Grad = Uebung->RadioGroup_Schwierigkeitsgrad;
        TRadioGroup *Auswertung = Uebung->RadioGroup_Auswertung;
        int vorher = Uebergaben();

        Zeilenende_klicken(Grad, 1);
        QCOMPARE(Grad->ItemIndex(), 1);
        QCOMPARE(Uebergaben(), vorher + 1);
        QCOMPARE(Einstellungen(), Einstellungs_Zeilen(TRechenart::Addition, TSchwierigkeitsgrad::mittel));
        QVERIFY(Feld->hasFocus());
        // The row already chosen: one take-over, as a click on its caption.
        Zeilenende_klicken(Grad, 1);
        QCOMPARE(Uebergaben(), vorher + 2);

        Zeilenende_klicken(Auswertung, 0);
        QVERIFY(Uebung->Panel_2_2->isVisible());

        // A screen reader's toggle is a choice like a click.
        vorher = Uebergaben();
        umschalten(Grad->Button(2));
        QCOMPARE(Grad->ItemIndex(), 2);
        QCOMPARE(Uebergaben(), vorher + 1);
        QCOMPARE(Einstellungen(), Einstellungs_Zeilen(TRechenart::Addition, TSchwierigkeitsgrad::schwer));
        umschalten(Grad->Button(2)); // the chosen item cannot be unchecked
        QCOMPARE(Grad->ItemIndex(), 2);
        QCOMPARE(Uebergaben(), vorher + 1);
        umschalten(Auswertung->Button(1));
        QVERIFY(!Uebung->Panel_2_2->isVisible());
        QVERIFY(Feld->hasFocus());

        // After a toggle, a click and an arrow key are still one take-over each.
        QTest::mouseClick(Grad->Button(2), Qt::LeftButton, {}, QPoint(6, Grad->Button(2)->height() / 2));
        QCOMPARE(Uebergaben(), vorher + 2);
        Grad->Button(2)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Grad->Button(2), Qt::Key_Up);
        QCOMPARE(Grad->ItemIndex(), 1);
        QCOMPARE(Uebergaben(), vorher + 3);

        // The demonstrator's groups are the same kind.
        TF_Tarvo *Wege = Fenster->F_Tarvo1;
        Fenster->PageControl1->setCurrentIndex(1);
        QSignalSpy Uebernahmen(Wege->A_Einstellungen_uebernehmen, &QAction::triggered);
        Zeilenende_klicken(Wege->RadioGroup_Loesungsausgabe, 1);
        QCOMPARE(Wege->RadioGroup_Loesungsausgabe->ItemIndex(), 1);
        QVERIFY(Wege->Button_Aufgabe_loesen->isVisible());
        umschalten(Wege->RadioGroup_Loesungsausgabe->Button(0));
        QVERIFY(!Wege->Button_Aufgabe_loesen->isVisible());
        QCOMPARE(Uebernahmen.size(), 2);
    }

    void Rechenart_Listen_behalten_ihre_Wahl()
    {
        for (TListBox *Liste : {Uebung->ListBox_Rechenart_waehlen, Fenster->F_Tarvo1->ListBox_Operation}) {
            Fenster->PageControl1->setCurrentIndex(Liste == Uebung->ListBox_Rechenart_waehlen ? 0 : 1);
            QSignalSpy Klicks(Liste, &TListBox::Click);
            const QPoint Mitte = Liste->visualItemRect(Liste->item(0)).center();

            QTest::mouseClick(Liste->viewport(), Qt::LeftButton, Qt::ControlModifier, Mitte);
            QVERIFY(zeigt_die_Wahl(Liste));
            QCOMPARE(Liste->currentRow(), 0);
            QCOMPARE(Klicks.size(), 1);

            // Ctrl with an arrow moves the choice, and the highlight goes with it.
            Liste->setFocus(Qt::TabFocusReason);
            QTest::keyClick(Liste, Qt::Key_Down, Qt::ControlModifier);
            QCOMPARE(Liste->currentRow(), 1);
            QVERIFY(zeigt_die_Wahl(Liste));
            QTest::keyClick(Liste, Qt::Key_Space, Qt::ControlModifier);
            QVERIFY(zeigt_die_Wahl(Liste));

            // Dragging off the items into the empty part of the list.
            const QPoint Leer(Mitte.x(), Liste->viewport()->height() - 2);
            QVERIFY(!Liste->itemAt(Leer));
            QTest::mousePress(Liste->viewport(), Qt::LeftButton, {}, Liste->visualItemRect(Liste->item(1)).center());
            QMouseEvent Bewegung(QEvent::MouseMove, Leer, Liste->viewport()->mapToGlobal(Leer), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(Liste->viewport(), &Bewegung);
            QTest::mouseRelease(Liste->viewport(), Qt::LeftButton, {}, Leer);
            QVERIFY(zeigt_die_Wahl(Liste));
        }
        QCOMPARE(Einstellungen(), Einstellungs_Zeilen(TRechenart::Subtraktion, TSchwierigkeitsgrad::leicht));
    }

    void Antwortfeld_ohne_Laengengrenze()
    {
        const auto einfuegen_und_bewerten = [&](const QString &Text) {
            Feld->clear();
            QGuiApplication::clipboard()->setText(Text);
            QTest::keyClick(Feld, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(Feld->text().size(), Text.size());
            QTest::keyClick(Feld, Qt::Key_Return);
        };
        const TEinstellung_Aufgabe Erste = Uebung->Aufgabe();
        einfuegen_und_bewerten(QString(40000 - Erste.STR_Ergebnis.size(), u' ') + Erste.STR_Ergebnis);
        QCOMPARE(Uebung->Panel_2_1_3->Farbe(), Farbe_Lime);

        // Leading zeros beyond the old limit of 32,767 characters.
        const TEinstellung_Aufgabe Zweite = Uebung->Aufgabe();
        const QString Betrag = QString::number(qAbs(Zweite.Ergebnis));
        const QString Vorzeichen = Zweite.Ergebnis < 0 ? QStringLiteral("-") : QString();
        einfuegen_und_bewerten(Vorzeichen + QString(40000 - Betrag.size() - Vorzeichen.size(), u'0') + Betrag);
        QCOMPARE(Uebung->Panel_2_1_3->Farbe(), Farbe_Lime);
        QCOMPARE(Uebung->Aufgaben_Ergebnis().Anzahl_Aufgaben, 2);
        QVERIFY(Feld->text().isEmpty());
    }
};

QTEST_MAIN(Test_Haupt_Bedienung)
#include "test_haupt_bedienung.moc"
