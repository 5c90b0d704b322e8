#include "tests/support/Zugang_Pruefung.h"

#include "app/TDialog_Impresssum_0.h"
#include "app/TF_Haupt.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "evaluation/TF_Auswertung.h"
#include "exercises/TFrame_Auswertung_kurz.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "solution_paths/TF_Tarvo.h"
#include "solution_paths/TF_Tarvo_Loesungsschritt.h"
#include "solution_paths/TF_Tarvo_Loesungsweg.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <memory>

namespace {
QAccessibleInterface *Zugang(QWidget *W)
{
    return QAccessible::queryAccessibleInterface(W);
}

// Presses Tab (or Shift+Tab) until Ziel has the focus; false after a whole round.
bool Tab_bis(QWidget *Ziel, Qt::Key Taste = Qt::Key_Tab, int hoechstens = 60)
{
    for (int i = 0; i < hoechstens; ++i) {
        if (QApplication::focusWidget() == Ziel)
            return true;
        QTest::keyClick(QApplication::focusWidget(), Taste,
                        Taste == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return QApplication::focusWidget() == Ziel;
}

void tippen(QLineEdit *W, const QString &Text)
{
    W->clear();
    QTest::keyClicks(W, Text);
    QTest::keyClick(W, Qt::Key_Return);
}
}

// The whole main window as assistive technology and the keyboard meet it.
class Test_Haupt_Zugang : public QObject
{
    Q_OBJECT

    std::unique_ptr<TF_Haupt> Fenster;
    TFrame_Tarvo_Uebungen *U = nullptr;
    QLineEdit *Feld = nullptr;

private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void init()
    {
        Fenster = std::make_unique<TF_Haupt>();
        Fenster->Dialoge_erzeugen();
        Fenster->resize(1500, 950);
        Fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(Fenster.get()));
        U = Fenster->Frame_Tarvo_Uebungen1;
        Feld = U->MaskEdit_Schuelerloesung;
        QVERIFY(QTest::qWaitFor([&] { return Feld->hasFocus(); }));
    }

    void cleanup() { Fenster.reset(); }

    void jedes_Bedienelement_jeder_Seite_und_jedes_Dialogs_hat_einen_Namen()
    {
        QStringList Fehler;
        // Hidden pages and the hidden detailed evaluation are walked as well.
        Fehler << Namenlose_Bedienelemente(Fenster.get());
        U->RadioGroup_Auswertung->setItemIndex(0);
        U->RadioGroup_AuswertungClick();
        for (int Seite = 0; Seite < Fenster->PageControl1->count(); ++Seite) {
            Fenster->PageControl1->setCurrentIndex(Seite);
            Fehler << Namenlose_Bedienelemente(Fenster->PageControl1->currentWidget(), true);
        }
        const QList<QDialog *> Dialoge = Fenster->findChildren<QDialog *>();
        QVERIFY(Dialoge.size() >= 6);
        for (QDialog *D : Dialoge)
            for (const QString &F : Namenlose_Bedienelemente(D))
                Fehler << D->objectName() + QStringLiteral(": ") + F;
        QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler.join(u'\n')));
    }

    void Antwortfeld_nennt_die_Aufgabe_und_Bewertung_wird_gemeldet()
    {
        QCOMPARE(Zugang(Feld)->text(QAccessible::Name), QStringLiteral("Ergebnis eingeben"));
        const TEinstellung_Aufgabe Erste = U->Aufgabe();
        const QString Beschreibung = Zugang(Feld)->text(QAccessible::Description);
        QCOMPARE(Beschreibung, QStringLiteral("Aufgabe: (%1)+(%2) =").arg(Erste.STR_Zahl_1, Erste.STR_Zahl_2));

        QAccessibleInterface *Urteil = Zugang(U->Panel_2_1_3);
        QCOMPARE(Urteil->text(QAccessible::Name), QStringLiteral("Bewertung"));
        QCOMPARE(Urteil->text(QAccessible::Value), QStringLiteral("alte Aufgabe :"));
        QVERIFY(Urteil->text(QAccessible::Description).isEmpty());

        tippen(Feld, Erste.STR_Ergebnis);
        // The verdict in words is what the explanation box shows, without the alignment.
        const QString Richtig = Urteil->text(QAccessible::Description);
        QCOMPARE(Richtig, U->RichEdit_Erlaeterungen->toPlainText().simplified());
        QVERIFY2(
            Richtig.startsWith(QStringLiteral("Die alte Aufgabe ist richtig gelöst : (") + Erste.STR_Zahl_1 + u')'),
            qPrintable(Richtig));
        QVERIFY(Richtig.endsWith(QStringLiteral(" = ") + Erste.STR_Ergebnis));
        // The next task is announced on the field that keeps the focus, and
        // from now on the key for the judged task's path.
        QVERIFY(Feld->hasFocus());
        const TEinstellung_Aufgabe Zweite = U->Aufgabe();
        QCOMPARE(Zugang(Feld)->text(QAccessible::Description),
                 QStringLiteral("Aufgabe: (%1)+(%2) = F2 zeigt den Rechenweg der alten Aufgabe.")
                     .arg(Zweite.STR_Zahl_1, Zweite.STR_Zahl_2));

        // Wrong: the found and the right solution are both read.
        tippen(Feld, QString::number(Zweite.Ergebnis + 1));
        const QString Falsch = Urteil->text(QAccessible::Description);
        QVERIFY2(Falsch.startsWith(QStringLiteral("Die alte Aufgabe ist falsch gelöst ! gefundene Lösung : ")),
                 qPrintable(Falsch));
        QVERIFY(Falsch.contains(QStringLiteral(" = %1 richtige Lösung : (").arg(Zweite.Ergebnis + 1)));
        QVERIFY(Falsch.endsWith(QStringLiteral(" = ") + Zweite.STR_Ergebnis));

        // Any other key turns the panel gray: the words go with the colour.
        QTest::keyClick(Feld, Qt::Key_5);
        QCOMPARE(U->Panel_2_1_3->Farbe(), Farbe_Grau);
        QVERIFY(Urteil->text(QAccessible::Description).isEmpty());
        tippen(Feld, QString::number(U->Aufgabe().Ergebnis));
        QVERIFY(!Urteil->text(QAccessible::Description).isEmpty());
        // Text that is not a number is discarded: the verdict goes neutral in words too.
        tippen(Feld, QStringLiteral("x"));
        QVERIFY(Urteil->text(QAccessible::Description).isEmpty());

        auto *Kurz = U->Frame_Auswertung_kurz1;
        QCOMPARE(Zugang(Kurz->Edit_richtig_geloester_Aufgaben)->text(QAccessible::Name),
                 QStringLiteral("Anzahl richtig gelöster Aufgaben"));
        QCOMPARE(Kurz->Label4->buddy(), Kurz->Edit_Prozentzahl);
    }

    void Urteil_und_naechste_Aufgabe_werden_angesagt()
    {
        const auto Aufgabe = [](const TEinstellung_Aufgabe &A) {
            return QStringLiteral("(%1)%2(%3) =").arg(A.STR_Zahl_1, A.Rechenzeichen, A.STR_Zahl_2);
        };
        auto *Ansage = U->findChild<QWidget *>(QStringLiteral("Ansage"));
        QVERIFY(Ansage);
        // The screen reader reads the notification's name when it is announced.
        QAccessibleInterface *Meldung = QAccessible::queryAccessibleInterface(Ansage);
        QCOMPARE(Meldung->role(), QAccessible::Notification);
        const auto Gehoert = [Meldung] { return Meldung->text(QAccessible::Name); };
        const TEinstellung_Aufgabe Erste = U->Aufgabe();
        tippen(Feld, Erste.STR_Ergebnis);
        const TEinstellung_Aufgabe Zweite = U->Aufgabe();
        QCOMPARE(Gehoert(),
                 QStringLiteral("Richtig gelöst: ") + Aufgabe(Erste) + u' ' + Erste.STR_Ergebnis
                     + QStringLiteral(". Neue Aufgabe: ") + Aufgabe(Zweite));
        tippen(Feld, QString::number(Zweite.Ergebnis - 3));
        const TEinstellung_Aufgabe Dritte = U->Aufgabe();
        QCOMPARE(Gehoert(),
                 QStringLiteral("Falsch gelöst: ") + Aufgabe(Zweite) + u' ' + QString::number(Zweite.Ergebnis - 3)
                     + QStringLiteral(". Richtige Lösung: ") + Zweite.STR_Ergebnis + QStringLiteral(". Neue Aufgabe: ")
                     + Aufgabe(Dritte));

        // Text that is no number: the task stays.
        tippen(Feld, QStringLiteral("x"));
        QCOMPARE(Gehoert(), QStringLiteral("Keine Zahl, nicht bewertet. Aufgabe: ") + Aufgabe(Dritte));

        // A setting chosen by keyboard poses a new task, and it is spoken.
        QVERIFY(Tab_bis(U->ListBox_Rechenart_waehlen, Qt::Key_Backtab));
        QTest::keyClick(U->ListBox_Rechenart_waehlen, Qt::Key_Down);
        QCOMPARE(Gehoert(), QStringLiteral("Neue Aufgabe: ") + Aufgabe(U->Aufgabe()));
        QVERIFY(Gehoert().contains(u'-'));
        QVERIFY(Tab_bis(U->RadioGroup_Schwierigkeitsgrad->Button(0)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(Gehoert(), QStringLiteral("Neue Aufgabe: ") + Aufgabe(U->Aufgabe()));
        QVERIFY(Feld->hasFocus());

        // Nothing is shown for it: the widget takes no place and no focus.
        QVERIFY(Ansage->size().isEmpty() && Ansage->focusPolicy() == Qt::NoFocus);

        // A new start is no change the pupil made: nothing is spoken over the focus.
        const QString Zuletzt = Gehoert();
        U->Uebungen_initialisieren();
        QCOMPARE(Gehoert(), Zuletzt);
        // It stays shown, so announcing never lays the page out anew.
        QVERIFY(Ansage->isVisible());
    }

    void Seitenstapel_heisst_wie_die_gezeigte_Seite()
    {
        // Entering a page, the screen reader says the page stack's name, not "layered pane".
        QAccessibleInterface *Stapel = Zugang(Feld);
        while (Stapel && Stapel->role() != QAccessible::LayeredPane)
            Stapel = Stapel->parent();
        QVERIFY(Stapel);
        QCOMPARE(Stapel->text(QAccessible::Name), Fenster->PageControl1->tabText(0));
        Fenster->PageControl1->setCurrentIndex(1);
        QCOMPARE(Stapel->text(QAccessible::Name), Fenster->PageControl1->tabText(1));
    }

    void Schrift_bleibt_schwarz_auf_den_festen_Farben()
    {
        // A dark desktop theme must not give white text on lime, red or gray.
        QPalette Dunkel = QApplication::palette();
        Dunkel.setColor(QPalette::WindowText, Qt::white);
        Dunkel.setColor(QPalette::Text, Qt::white);
        Dunkel.setColor(QPalette::Base, Qt::black);
        QApplication::setPalette(Dunkel);
        TUebungs_Ablauf Ablauf;
        TFrame_Tarvo_Uebungen F(Ablauf);
        QApplication::setPalette(QPalette());
        const auto Schrift = [](QWidget *W, QPalette::ColorRole R) { return QColor_zu_Farbe(W->palette().color(R)); };
        const TFarbe Schwarz{0, 0, 0};
        QCOMPARE(Schrift(F.Panel_2_1_3, QPalette::WindowText), Schwarz);
        QCOMPARE(Schrift(F.Panel_2_1_1, QPalette::WindowText), Schwarz);
        QCOMPARE(Schrift(F.Label_Aufgabenstellung, QPalette::WindowText), Schwarz);
        QCOMPARE(Schrift(F.Frame_Auswertung_kurz1->Panel2, QPalette::WindowText), Schwarz);
        QCOMPARE(Schrift(F.Frame_Auswertung_kurz1->Label3, QPalette::WindowText), Schwarz);
        QCOMPARE(Schrift(F.Frame_Auswertung_kurz1->Edit_richtig_geloester_Aufgaben, QPalette::Text), Schwarz);
        QCOMPARE(Schrift(F.Frame_Auswertung_kurz1->Edit_falsch_geloester_Aufgaben, QPalette::Text), Schwarz);
    }

    void Tab_Reihenfolge_der_Uebungsseite()
    {
        const QList<QWidget *> Verdeckt = Tab_Weg(U->ListBox_Rechenart_waehlen, 5);
        const QList<QWidget *> Erwartet = {U->ListBox_Rechenart_waehlen, U->RadioGroup_Schwierigkeitsgrad->Button(0),
                                           U->RadioGroup_Auswertung->Button(1), Feld,
                                           U->Frame_Auswertung_kurz1->Button_Werte_zuruecksetzen};
        QCOMPARE(Objektnamen(Verdeckt), Objektnamen(Erwartet));

        // With the detailed evaluation shown, its reset button and then its pages join in.
        U->RadioGroup_Auswertung->setItemIndex(0);
        U->RadioGroup_AuswertungClick();
        const QList<QWidget *> Sichtbar = Tab_Weg(U->RadioGroup_Auswertung->Button(0), 5);
        QCOMPARE(Objektnamen(Sichtbar),
                 Objektnamen({U->RadioGroup_Auswertung->Button(0), U->Button_Auswertung_reseten, Feld,
                              U->Frame_Auswertung_kurz1->Button_Werte_zuruecksetzen,
                              U->F_Auswertung2->PageControl_Statistik_1->tabBar()}));
        QVERIFY(Tab_bis(U->ListBox_Rechenart_waehlen, Qt::Key_Backtab));
    }

    void Einstellungen_mit_Tasten_wie_mit_Klicks()
    {
        const int Uebergaben = U->F_Auswertung2->Anzahl_Uebergaben();
        QVERIFY(Tab_bis(U->ListBox_Rechenart_waehlen, Qt::Key_Backtab));
        QTest::keyClick(U->ListBox_Rechenart_waehlen, Qt::Key_Down);
        QCOMPARE(U->Aufgabe().Rechenzeichen, QChar(u'-'));
        QCOMPARE(U->F_Auswertung2->Anzahl_Uebergaben(), Uebergaben + 1);
        // As after a click, the pupil can type the answer at once.
        QVERIFY(Feld->hasFocus());
        QVERIFY(Zugang(Feld)->text(QAccessible::Description).contains(u'-'));

        QVERIFY(Tab_bis(U->ListBox_Rechenart_waehlen, Qt::Key_Backtab));
        QTest::keyClick(U->ListBox_Rechenart_waehlen, Qt::Key_End);
        QCOMPARE(U->ListBox_Rechenart_waehlen->currentRow(), 3);
        QCOMPARE(U->Aufgabe().Rechenzeichen, QChar(u':'));
        // Up at the first row changes nothing and poses nothing.
        QVERIFY(Tab_bis(U->ListBox_Rechenart_waehlen, Qt::Key_Backtab));
        QTest::keyClick(U->ListBox_Rechenart_waehlen, Qt::Key_Home);
        const int nach_Home = U->F_Auswertung2->Anzahl_Uebergaben();
        QVERIFY(Tab_bis(U->ListBox_Rechenart_waehlen, Qt::Key_Backtab));
        QTest::keyClick(U->ListBox_Rechenart_waehlen, Qt::Key_Up);
        QCOMPARE(U->F_Auswertung2->Anzahl_Uebergaben(), nach_Home);

        QVERIFY(Tab_bis(U->RadioGroup_Schwierigkeitsgrad->Button(0)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(U->RadioGroup_Schwierigkeitsgrad->ItemIndex(), 1);
        QCOMPARE(U->Aufgabe().Schwierigkeitsgrad, TSchwierigkeitsgrad::mittel);
        QVERIFY(Feld->hasFocus());

        QVERIFY(Tab_bis(U->RadioGroup_Auswertung->Button(1)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QVERIFY(U->Panel_2_2->isVisible());
        QVERIFY(Feld->hasFocus());
        QVERIFY(Tab_bis(U->Button_Auswertung_reseten, Qt::Key_Backtab));
        QTest::keyClick(U->Button_Auswertung_reseten, Qt::Key_Space);
        QCOMPARE(U->ListBox_Rechenart_waehlen->currentRow(), 0);
        QVERIFY(Feld->hasFocus());

        // A mouse click on a setting still leaves the focus in the answer field.
        QRadioButton *Schwer = U->RadioGroup_Schwierigkeitsgrad->Button(2);
        QTest::mouseClick(Schwer, Qt::LeftButton, {}, QPoint(6, Schwer->height() / 2));
        QCOMPARE(U->RadioGroup_Schwierigkeitsgrad->ItemIndex(), 2);
        QVERIFY(Feld->hasFocus());
    }

    void Menue_mit_Zugriffstasten()
    {
        bool offen = false;
        QTimer::singleShot(0, [&] {
            QWidget *D = QApplication::activeModalWidget();
            offen = D == Fenster->Dialog_Impresssum_0;
            if (D)
                D->close();
        });
        QTest::keyClick(Feld, Qt::Key_I, Qt::AltModifier);
        QVERIFY(offen);
        QVERIFY(!Fenster->Dialog_Impresssum_0->isVisible());
    }

    void Menue_beenden_mit_Alt_E()
    {
        QTest::keyClick(Feld, Qt::Key_E, Qt::AltModifier);
        QVERIFY(QTest::qWaitFor([&] { return !Fenster->isVisible(); }));
    }

    void ohne_Maus_vom_Start_zum_schrittweisen_Loesungsweg()
    {
        // Ctrl+Tab goes on to the demonstrator, Ctrl+Shift+Tab back; page 0 takes the field again.
        QTest::keyClick(Feld, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Fenster->PageControl1->currentIndex(), 1);
        TF_Tarvo *T = Fenster->F_Tarvo1;
        QWidget *Fokus = QApplication::focusWidget();
        QVERIFY(Fokus);
        QTest::keyClick(Fokus, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Fenster->PageControl1->currentIndex(), 0);
        QVERIFY(QTest::qWaitFor([&] { return Feld->hasFocus(); }));
        QTest::keyClick(Feld, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Fenster->PageControl1->currentIndex(), 1);

        // Into the output choice with Tab, "schrittweise ausgeben" with the arrows.
        TRadioGroup *Ausgabe = T->RadioGroup_Loesungsausgabe;
        for (int Runde = 0; Runde < 3 && Ausgabe->ItemIndex() != 2; ++Runde) {
            QVERIFY(Tab_bis(Ausgabe->Button(Ausgabe->ItemIndex())));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        }
        QCOMPARE(Ausgabe->ItemIndex(), 2);
        QVERIFY(Tab_bis(T->Button_Aufgabe_stellen));
        QTest::keyClick(T->Button_Aufgabe_stellen, Qt::Key_Space);

        TF_Tarvo_Loesungsweg *L = T->F_Tarvo_Loesungsweg1;
        int aufgedeckt = 0;
        for (int i = 2; i <= 4; ++i) {
            TF_Tarvo_Loesungsschritt *S = L->Schritt(i);
            if (S->isHidden())
                continue;
            QVERIFY(S->verdeckt());
            QVERIFY2(Tab_bis(S->Panel1), qPrintable(S->accessibleName()));
            QTest::keyClick(S->Panel1, Qt::Key_Return);
            QVERIFY(!S->verdeckt());
            ++aufgedeckt;
        }
        QVERIFY(aufgedeckt >= 2);
        // And back to the exercises, ready to type.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(QTest::qWaitFor([&] { return Feld->hasFocus(); }));
    }

    void jede_Seite_mit_Strg_Tab_und_Tab_erreichbar()
    {
        QTabWidget *Seiten = Fenster->PageControl1;
        for (int Seite = 1; Seite < Seiten->count(); ++Seite) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(Seiten->currentIndex(), Seite);
            QWidget *Fokus = QApplication::focusWidget();
            QVERIFY(Fokus);
            // Tab reaches a control inside the page.
            bool drin = false;
            for (int i = 0; i < 30 && !drin; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                drin = Seiten->currentWidget()->isAncestorOf(QApplication::focusWidget());
            }
            QVERIFY2(drin, qPrintable(QString::number(Seite)));
        }
        QVERIFY(Tab_bis(Fenster->RichEdit2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Seiten->currentIndex(), 0);
        QVERIFY(QTest::qWaitFor([&] { return Feld->hasFocus(); }));
    }
};

QTEST_MAIN(Test_Haupt_Zugang)
#include "test_haupt_zugang.moc"
