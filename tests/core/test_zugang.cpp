#include "tests/support/Zugang_Pruefung.h"

#include "app/TDialog_Abfrage_Drucken.h"
#include "app/TDialog_Fehlermeldung_1.h"
#include "app/TDialog_Impresssum_0.h"
#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "core/Zufall.h"
#include "evaluation/F_Auswertung_Tabelle_0_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_1_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_2_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_3_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_4_Datei.h"
#include "evaluation/Sterne_Regeln.h"
#include "evaluation/TDlg_Protokoll_Auswertung_speichern_drucken.h"
#include "evaluation/TF_Sterne_Seite.h"
#include "evaluation/TOKBottomDlg_drucken_oder_speichern.h"
#include "solution_paths/TDlg_Arbeitsanweisungen.h"
#include "solution_paths/TDlg_Memo_darstellen1.h"
#include "solution_paths/TF_Tarvo.h"
#include "solution_paths/TF_Tarvo_Loesungsschritt.h"
#include "solution_paths/TF_Tarvo_Loesungsweg.h"
#include "solution_paths/TF_Ganzform_ohne_VZ.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <algorithm>
#include <functional>
#include <memory>

namespace {
QAccessibleInterface *Zugang(QWidget *W)
{
    return QAccessible::queryAccessibleInterface(W);
}

QString Name(QWidget *W)
{
    return Zugang(W)->text(QAccessible::Name);
}

void Schrittweise_stellen(TF_Tarvo &F)
{
    F.Initialisieren();
    F.RadioGroup_Loesungsausgabe->setItemIndex(2);
    F.A_Einstellungen_uebernehmenExecute();
}
}

class Test_Zugang : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QAccessible::setActive(true);
        Zufall_Startwert_setzen(4711);
    }

    void Pruefung_findet_namenlose_Elemente()
    {
        // The check itself must not pass everything.
        QWidget W;
        auto *Edit = new QLineEdit(&W);
        new QTableWidget(2, 2, &W);
        new QPushButton(QStringLiteral("OK"), &W);
        auto *Leer = new TPanel(&W); // a bare container panel reads as nothing
        Q_UNUSED(Leer);
        W.show();
        QCOMPARE(Namenlose_Bedienelemente(&W).size(), 2);
        Edit->hide();
        QCOMPARE(Namenlose_Bedienelemente(&W, true).size(), 1);
        QCOMPARE(Namenlose_Bedienelemente(&W).size(), 2);
    }

    void alle_Bedienelemente_haben_Namen()
    {
        const QList<std::pair<const char *, std::function<QWidget *()>>> Seiten = {
            {"TF_Tarvo direkt",
             [] {
                 auto *F = new TF_Tarvo;
                 F->Initialisieren();
                 return F;
             }},
            {"TF_Tarvo schrittweise",
             [] {
                 auto *F = new TF_Tarvo;
                 Schrittweise_stellen(*F);
                 return F;
             }},
            {"TF_Sterne_Seite", [] { return new TF_Sterne_Seite; }},
            {"Tabelle 0",
             [] {
                 auto *T = new TF_Auswertung_Tabelle_0;
                 T->Tabelle_initialisieren();
                 return T;
             }},
            {"Tabelle 1",
             [] {
                 auto *T = new TF_Auswertung_Tabelle_1_;
                 T->Tabelle_initialisieren();
                 return T;
             }},
            {"Tabelle 2",
             [] {
                 auto *T = new TF_Auswertung_Tabelle_2_;
                 T->Tabelle_initialisieren();
                 return T;
             }},
            {"Tabelle 3",
             [] {
                 auto *T = new TF_Auswertung_Tabelle_3_;
                 T->Tabelle_initialisieren();
                 return T;
             }},
            {"Tabelle 4",
             [] {
                 auto *T = new TF_Auswertung_Tabelle_4_;
                 T->Tabelle_initialisieren();
                 return T;
             }},
            {"Dokument",
             [] {
                 auto *D = new TFrame_RTF_Text_mit_drucken_Laden1;
                 D->Einrichten(QStringLiteral("Informationen_zum_Tarvo"), true, 1);
                 return D;
             }},
            {"Protokoll-Dialog", [] { return new TDlg_Protokoll_Auswertung_speichern_drucken; }},
            {"Drucken-oder-speichern-Dialog", [] { return new TOKBottomDlg_drucken_oder_speichern; }},
            {"Informationsfenster", [] { return new TDlg_Memo_darstellen1; }},
            {"Arbeitsanweisungen", [] { return new TDlg_Arbeitsanweisungen; }},
            {"Impressum", [] { return new TDialog_Impresssum_0; }},
            {"Fehlermeldung", [] { return new TDialog_Fehlermeldung_1; }},
            {"Abfrage Drucken", [] { return new TDialog_Abfrage_Drucken; }},
        };
        QStringList Fehler;
        for (const auto &[Titel, Bauen] : Seiten) {
            std::unique_ptr<QWidget> W(Bauen());
            W->show();
            for (const QString &F : Namenlose_Bedienelemente(W.get()))
                Fehler << QString::fromLatin1(Titel) + QStringLiteral(": ") + F;
        }
        QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler.join(u'\n')));
    }

    void Zeilenname_folgt_der_Ueberschrift()
    {
        TF_Tarvo F;
        Schrittweise_stellen(F);
        TF_Tarvo_Loesungsweg *Weg = F.F_Tarvo_Loesungsweg1;
        QCOMPARE(Name(Weg->Schritt(1)->Panel1), QStringLiteral("Lösungsschritt 1: Aufgabe"));
        QCOMPARE(Zugang(Weg->Schritt(1)->Panel1)->role(), QAccessible::StaticText);

        // The first solution row of this path (a sum has no rewriting row 2).
        int n = 2;
        while (n < 4 && Weg->Schritt(n)->isHidden())
            ++n;
        TF_Tarvo_Loesungsschritt *S = Weg->Schritt(n);
        QVERIFY(!S->isHidden() && S->verdeckt());
        QCOMPARE(Name(S->Panel1), QStringLiteral("Lösungsschritt %1: ").arg(n) + S->Panel2->Caption());
        QCOMPARE(Zugang(S->Panel1)->role(), QAccessible::Button);
        QVERIFY(Zugang(S->Panel1)->text(QAccessible::Description).contains(QStringLiteral("Leertaste")));
        QCOMPARE(Name(S->F_Ganzform_ohne_VZ1->Edit1),
                 QStringLiteral("Lösungsschritt %1, ").arg(n)
                     + (S->F_Ganzform_ohne_VZ2->isHidden() ? QStringLiteral("Zahl") : QStringLiteral("erste Zahl")));

        // Assistive technology can uncover the row by its press action.
        auto *Aktionen = Zugang(S->Panel1)->actionInterface();
        QVERIFY(Aktionen);
        Aktionen->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!S->verdeckt());
        QCOMPARE(Zugang(S->Panel1)->role(), QAccessible::StaticText);
        QVERIFY(Zugang(S->Panel1)->text(QAccessible::Description).isEmpty());

        // The next task with other headings renames the rows.
        F.ListBox_Operation->setCurrentRow(2);
        for (int i = 2; i <= 4; ++i) {
            TF_Tarvo_Loesungsschritt *Z = Weg->Schritt(i);
            if (!Z->isHidden())
                QCOMPARE(Name(Z->Panel1), QStringLiteral("Lösungsschritt %1: %2").arg(i).arg(Z->Panel2->Caption()));
        }
        QCOMPARE(Name(Weg->Schritt(1)->F_Ganzform_ohne_VZ1->Edit1), QStringLiteral("Lösungsschritt 1, erste Zahl"));
    }

    void Smileys_werden_gezaehlt_vorgelesen()
    {
        TF_Sterne_Seite Seite;
        TSterne_record Sterne;
        Sterne_initialisieren(Sterne);
        Seite.Sterne_initialisieren();
        QCOMPARE(Name(Seite.RichEdit_Sterne_2), QStringLiteral("Smileys mittel"));
        const auto Smiley_verdienen = [&] {
            Sterne.Aufgaben_seit_Smily[1] = 4;
            Seite.Sterne_aktualisieren(Sterne, 2, Sterne_Block_pruefen(Sterne, 2) == TBlock_Ergebnis::Smily);
        };
        Smiley_verdienen();
        Smiley_verdienen();
        QCOMPARE(Zugang(Seite.RichEdit_Sterne_2)->text(QAccessible::Description), QStringLiteral("2 Smileys"));
        QCOMPARE(Zugang(Seite.RichEdit_Sterne_1)->text(QAccessible::Description), QStringLiteral("Keine Smileys"));
        Seite.Sterne_initialisieren();
        QCOMPARE(Zugang(Seite.RichEdit_Sterne_2)->text(QAccessible::Description), QStringLiteral("Keine Smileys"));
    }

    void Dialoge_mit_Tab_in_Leserichtung()
    {
        TDlg_Protokoll_Auswertung_speichern_drucken D;
        D.show();
        QVERIFY(QTest::qWaitForWindowActive(&D));
        const QStringList Vorwaerts = {QStringLiteral("Btn_Protokoll_drucken"),
                                       QStringLiteral("Btn_Auswertung_drucken"),
                                       QStringLiteral("Btn_Auswertung_Protokoll_drucken"),
                                       QStringLiteral("Btn_Protokoll_speichern"),
                                       QStringLiteral("Btn_Auswertung_speichern"),
                                       QStringLiteral("Btn_Auswertung_Protokoll_speichern"),
                                       QStringLiteral("CancelBtn"),
                                       QStringLiteral("Btn_Protokoll_drucken")};
        QCOMPARE(Objektnamen(Tab_Weg(D.Btn_Protokoll_drucken, 8)), Vorwaerts);
        QStringList Rueckwaerts = Vorwaerts;
        std::reverse(Rueckwaerts.begin(), Rueckwaerts.end());
        QCOMPARE(Objektnamen(Tab_Weg(D.Btn_Protokoll_drucken, 8, Qt::Key_Backtab)), Rueckwaerts);

        TOKBottomDlg_drucken_oder_speichern O;
        O.show();
        QVERIFY(QTest::qWaitForWindowActive(&O));
        QCOMPARE(Objektnamen(Tab_Weg(O.Button_drucken, 4)),
                 (QStringList{QStringLiteral("Button_drucken"), QStringLiteral("Button_speichern"),
                              QStringLiteral("CancelBtn"), QStringLiteral("Button_drucken")}));

        TDialog_Abfrage_Drucken A;
        A.show();
        QVERIFY(QTest::qWaitForWindowActive(&A));
        QCOMPARE(Objektnamen(Tab_Weg(A.Button1, 3)),
                 (QStringList{QStringLiteral("Button1"), QStringLiteral("Button2"), QStringLiteral("Button1")}));
    }
};

QTEST_MAIN(Test_Zugang)
#include "test_zugang.moc"
