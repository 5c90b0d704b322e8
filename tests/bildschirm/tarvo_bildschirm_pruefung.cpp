// The program as main() starts it, driven under a real window manager for
// scripts/bildschirm_pruefen.sh: the detailed evaluation shown and hidden,
// every page of it, every dialog, and the restored window. Each window the
// script is to measure is announced on stdout as "PRUEFEN <what> <X window>",
// a dialog whose code placed it with "<x>,<y>", where its frame was to go;
// the program waits for a line on stdin before it goes on. What it checks
// itself (tab captions, the answer field, the window size) it reports as
// "FEHLER <text>". The last line is "ENDE"; exit code 1 after any FEHLER.
// After a lesson, every label on the exercise and evaluation pages is whole.
#include "app/TDialog_Abfrage_Drucken.h"
#include "app/TDialog_Fehlermeldung_1.h"
#include "app/TF_Haupt.h"
#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"
#include "app/TTarvo_Anwendung.h"
#include "core/widgets/Fehlerbericht.h"
#include "core/widgets/TPageControl.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "core/widgets/TReiter_Leiste.h"
#include "core/Zahlentexte.h"
#include "evaluation/TF_Auswertung.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "solution_paths/TF_Tarvo.h"
#include "solution_paths/TF_Tarvo_Loesungsschritt.h"
#include "solution_paths/TF_Tarvo_Loesungsweg.h"
#include "tests/support/Modale_Dialoge.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <iostream>
#include <string>
#include <utility>

namespace {

int Fehler = 0;

void melden(const QString &Text)
{
    std::printf("FEHLER %s\n", qPrintable(Text));
    std::fflush(stdout);
    ++Fehler;
}

// Until the window manager has framed the window and it stays where it is.
void ruhig_warten(QWidget *Fenster)
{
    static_cast<void>(
        QTest::qWaitFor([Fenster] { return Fenster->windowHandle() && Fenster->windowHandle()->isExposed(); }, 5000));
    static_cast<void>(QTest::qWaitFor([Fenster] { return !Fenster->windowHandle()->frameMargins().isNull(); }, 2000));
    QRect vorher;
    QElapsedTimer Uhr;
    Uhr.start();
    static_cast<void>(QTest::qWaitFor(
        [&] {
            const QRect jetzt = Fenster->frameGeometry();
            if (jetzt != vorher) {
                vorher = jetzt;
                Uhr.restart();
            }
            return Uhr.elapsed() > 300;
        },
        5000));
}

// The place a dialog's own code gave its frame, in screen pixels, taken
// before the program brings it into the screen (installed after it, this
// filter sees the dialog first).
class TWunschlage : public QObject
{
public:
    QPointer<QWidget> Fenster;
    QPoint Lage;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *W = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && W && W->windowType() == Qt::Dialog && W->testAttribute(Qt::WA_Moved)) {
            Fenster = W;
            Lage = (QPointF(W->pos()) * W->devicePixelRatio()).toPoint();
        }
        return false;
    }
};
TWunschlage *Wunschlage = nullptr;

// The script measures the window, then the program goes on. With the place
// its code gave it, the script also checks that it was moved no farther
// than the screen needs.
void pruefen_lassen(const QString &Was, QWidget *Fenster)
{
    ruhig_warten(Fenster);
    std::printf("PRUEFEN %s %llu", qPrintable(Was), static_cast<unsigned long long>(Fenster->winId()));
    if (Wunschlage && Wunschlage->Fenster == Fenster)
        std::printf(" %d,%d", Wunschlage->Lage.x(), Wunschlage->Lage.y());
    std::printf("\n");
    std::fflush(stdout);
    std::string Antwort;
    std::getline(std::cin, Antwort);
}

// Every caption whole, on the screen and not hidden by a scrolled page; the
// current tab in the row next to the page.
void Reiter_pruefen(TReiter_Leiste *Leiste, const QString &Seite)
{
    QAccessibleInterface *Zugang = QAccessible::queryAccessibleInterface(Leiste);
    const QRect Schirm = Leiste->screen()->geometry();
    const QRegion Sichtbar = Leiste->visibleRegion();
    int unterste_Zeile = 0;
    for (int i = 0; i < Zugang->childCount(); ++i)
        unterste_Zeile = std::max(unterste_Zeile, Zugang->child(i)->rect().bottom());
    for (int i = 0; i < Zugang->childCount(); ++i) {
        QAccessibleInterface *Reiter = Zugang->child(i);
        const QString Name = Reiter->text(QAccessible::Name);
        const QRect R = Reiter->rect();
        // Taken from the bar, not mapped back from the screen: at a scale
        // factor the window may sit at a half pixel, and the round trip is off.
        const QRect lokal = Leiste->Reiter_Rechteck(i);
        const QString Wo = QStringLiteral("%1: tab \"%2\" at %3,%4 %5x%6")
                               .arg(Seite, Name)
                               .arg(R.x())
                               .arg(R.y())
                               .arg(R.width())
                               .arg(R.height());
        if (Reiter->role() != QAccessible::PageTab || Name != Leiste->tabText(i))
            melden(Wo + QStringLiteral(" is no page tab named by its caption"));
        if (R.width() < Leiste->fontMetrics().horizontalAdvance(Name))
            melden(Wo + QStringLiteral(" is narrower than its caption"));
        if (!Schirm.contains(R))
            melden(Wo + QStringLiteral(" lies outside the screen"));
        if (R != QRect(Leiste->mapToGlobal(lokal.topLeft()), lokal.size()))
            melden(Wo + QStringLiteral(" is not where its tab is drawn"));
        if (Sichtbar.intersected(lokal) != QRegion(lokal))
            melden(Wo + QStringLiteral(" is not fully visible"));
        if (i == Leiste->currentIndex() && R.bottom() != unterste_Zeile)
            melden(Wo + QStringLiteral(" is current but not in the row next to the page"));
    }
}

// Inside its window, not hidden by a scrolled page, on the screen.
bool ganz_sichtbar(const QWidget *W, const QRect &R)
{
    return W->visibleRegion().intersected(R) == QRegion(R)
        && W->screen()->geometry().contains(QRect(W->mapToGlobal(R.topLeft()), R.size()));
}

void Antwortfeld_pruefen(QLineEdit *Feld, const QString &Wann)
{
    if (!ganz_sichtbar(Feld, Feld->rect()))
        melden(Wann + QStringLiteral(": the answer field is not fully visible"));
}

// Every shown label under the scroll area, once scrolled to: its text in its
// font, line by line as wrapped, fits the label and what the window shows.
void Texte_pruefen(QScrollArea *Bereich, const QString &Wo)
{
    for (QLabel *L : Bereich->widget()->findChildren<QLabel *>()) {
        if (!L->isVisible() || L->text().isEmpty())
            continue;
        Bereich->ensureWidgetVisible(L, 0, 0);
        QCoreApplication::processEvents();
        // Placed as QLabel places it: indented on the aligned side beside a frame.
        const QFontMetrics M = L->fontMetrics();
        const Qt::Alignment Lage = QStyle::visualAlignment(L->layoutDirection(), L->alignment());
        const int Einzug = L->frameWidth() ? M.horizontalAdvance(u'x') / 2 : 0;
        const QRect Innen =
            L->contentsRect().adjusted(Lage & Qt::AlignLeft ? Einzug : 0, 0, Lage & Qt::AlignRight ? -Einzug : 0, 0);
        const int Umbruch = L->wordWrap() || qobject_cast<TPanel *>(L) ? int(Qt::TextWordWrap) : 0;
        const QRect Bedarf = M.boundingRect(QRect(0, 0, Innen.width(), 100000), int(Lage) | Umbruch, L->text());
        // The last line's leading is no part of its glyphs.
        const int Zeilen = std::max(1, (Bedarf.height() + M.lineSpacing() / 2) / M.lineSpacing());
        const QSize Groesse(Bedarf.width(), (Zeilen - 1) * M.lineSpacing() + M.height());
        const QRect Text = QStyle::alignedRect(L->layoutDirection(), Lage, Groesse, Innen);
        if (!L->contentsRect().contains(Text) || !ganz_sichtbar(L, Text))
            melden(QStringLiteral("%1: \"%2\" (%3) is cut or out of view").arg(Wo, L->text(), L->objectName()));
    }
}

// Opens a modal dialog with Oeffnen; while it is up the script measures it,
// then it is closed with reject().
void Dialog_pruefen(const QString &Was, const std::function<void()> &Oeffnen)
{
    bool gesehen = false;
    {
        const TDialoge_beantworten Wache([&](QDialog *Dialog) {
            if (std::exchange(gesehen, true))
                return;
            pruefen_lassen(Was, Dialog);
            Dialog->reject();
        });
        Oeffnen();
    }
    if (!gesehen)
        melden(Was + QStringLiteral(": no dialog opened"));
}

} // namespace

int main(int argc, char *argv[])
{
    TTarvo_Anwendung Anwendung(argc, argv);
    TWunschlage Wunsch;
    Wunschlage = &Wunsch;
    Anwendung.installEventFilter(&Wunsch);
    Anwendung.setApplicationName(QStringLiteral("Übungsprogramm zum Tarvo"));
    TF_Haupt Fenster;
    Fenster.Dialoge_erzeugen();
    Fenster.show();
    TFrame_Tarvo_Uebungen *Uebung = Fenster.Frame_Tarvo_Uebungen1;
    TF_Auswertung *Auswertung = Uebung->F_Auswertung2;
    TPageControl *Seiten = Auswertung->PageControl_Statistik_1;
    TReiter_Leiste *Leiste = Seiten->tabBar();

    pruefen_lassen(QStringLiteral("Hauptfenster"), &Fenster);
    Antwortfeld_pruefen(Uebung->MaskEdit_Schuelerloesung, QStringLiteral("at start"));
    const QRect Rahmen = Fenster.frameGeometry();

    for (int Wahl : {0, 1, 0}) {
        QRadioButton *Knopf = Uebung->RadioGroup_Auswertung->Button(Wahl);
        QTest::mouseClick(Knopf, Qt::LeftButton, {}, QPoint(6, Knopf->height() / 2));
        ruhig_warten(&Fenster);
        if (Fenster.frameGeometry() != Rahmen)
            melden(QStringLiteral("choice %1 of the detailed evaluation resized the window").arg(Wahl));
        pruefen_lassen(Wahl == 0 ? QStringLiteral("Hauptfenster_mit_Auswertung")
                                 : QStringLiteral("Hauptfenster_ohne_Auswertung"),
                       &Fenster);
    }
    Antwortfeld_pruefen(Uebung->MaskEdit_Schuelerloesung, QStringLiteral("with the detailed evaluation"));

    // Every page chosen as assistive technology chooses it: press on its tab.
    QAccessibleInterface *Zugang = QAccessible::queryAccessibleInterface(Leiste);
    for (int i = 0; i < Seiten->count(); ++i) {
        QAccessibleInterface *Reiter = Zugang->child(i);
        if (!Reiter || !Reiter->actionInterface()) {
            melden(QStringLiteral("tab %1 cannot be pressed").arg(i));
            continue;
        }
        Reiter->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        if (Seiten->currentIndex() != i)
            melden(QStringLiteral("pressing tab %1 did not open its page").arg(i));
        if (Fenster.frameGeometry() != Rahmen)
            melden(QStringLiteral("page %1 resized the window").arg(i));
        Reiter_pruefen(Leiste, Seiten->tabText(i));
    }

    // Counts of two digits; in each difficulty a block begun with a wrong answer.
    for (int Grad : {2, 1, 0}) {
        Uebung->RadioGroup_Schwierigkeitsgrad->Button(Grad)->click();
        for (int i = 0; i < 12; ++i) {
            const std::int32_t Ergebnis = Uebung->Aufgabe().Ergebnis + (i % 5 == 0 || i == 11 ? 1 : 0);
            Uebung->MaskEdit_Schuelerloesung->setText(Integer_zu_Text(Ergebnis));
            QTest::keyClick(Uebung->MaskEdit_Schuelerloesung, Qt::Key_Return);
        }
    }
    for (int i = 0; i < Seiten->count(); ++i) {
        Seiten->setCurrentIndex(i);
        QCoreApplication::processEvents();
        Texte_pruefen(Fenster.Rollbereich_Uebungen, Seiten->tabText(i));
    }
    if (Auswertung->findChild<QTextEdit *>(QStringLiteral("RichEdit4"))->verticalScrollBar()->isVisible())
        melden(QStringLiteral("the picture hint needs a scroll bar"));
    // A click on a setting from the page's end brings task, answer and verdict into view.
    QScrollBar *Rollleiste = Fenster.Rollbereich_Uebungen->verticalScrollBar();
    Rollleiste->setValue(Rollleiste->maximum());
    QRadioButton *Mittel = Uebung->RadioGroup_Schwierigkeitsgrad->Button(1);
    QTest::mouseClick(Mittel, Qt::LeftButton, {}, QPoint(6, Mittel->height() / 2));
    QCoreApplication::processEvents();
    for (QWidget *W :
         QList<QWidget *>{Uebung->Label_Aufgabenstellung, Uebung->MaskEdit_Schuelerloesung, Uebung->Panel_2_1_3})
        if ((W == Uebung->MaskEdit_Schuelerloesung && !W->hasFocus()) || !ganz_sichtbar(W, W->rect()))
            melden(QStringLiteral("after a settings click from the page's end %1 is out of view or unfocused")
                       .arg(W->objectName()));

    Seiten->setCurrentWidget(Auswertung->TabSheet_Protokoll);
    Dialog_pruefen(QStringLiteral("Protokoll_Statistik"),
                   [&] { Auswertung->Button_Protokoll_Statistik_drucken_speichern->click(); });
    Dialog_pruefen(QStringLiteral("Hinweis_nach_Sequenz_24"),
                   [&] { Auswertung->Grundwerte_Tabelle_zuruecksetzen(true); });
    Dialog_pruefen(QStringLiteral("Info"), [&] { Fenster.Impressum1->trigger(); });
    Dialog_pruefen(QStringLiteral("Fehlermeldung"), [&] { Fenster.Dialog_Fehlermeldung_1->exec(); });
    Dialog_pruefen(QStringLiteral("Fehlerbericht"), [] { Fehler_melden(QStringLiteral("Prüfung")); });

    Fenster.PageControl1->setCurrentIndex(1);
    TF_Tarvo *Wege = Fenster.F_Tarvo1;
    Dialog_pruefen(QStringLiteral("Arbeitsanweisungen"), [&] { Wege->Button_Arbeitsanweisungen->click(); });
    // The enlarged explanation of the lowest row shown, the one nearest the screen's edge.
    Wege->Button_Aufgabe_loesen->click();
    TF_Tarvo_Loesungsschritt *Unterste = nullptr;
    for (int Nummer = 1; Nummer <= 4; ++Nummer)
        if (Wege->F_Tarvo_Loesungsweg1->Schritt(Nummer)->isVisible())
            Unterste = Wege->F_Tarvo_Loesungsweg1->Schritt(Nummer);
    if (Unterste)
        Dialog_pruefen(QStringLiteral("Informationsfenster"), [&] { Unterste->Memo1DblClick(); });
    else
        melden(QStringLiteral("no solution row shown"));

    Fenster.PageControl1->setCurrentIndex(2);
    Dialog_pruefen(QStringLiteral("Drucken_oder_speichern"),
                   [&] { Fenster.Frame_RTF_Text_mit_drucken_Laden11->Button_drucken_und_laden->click(); });
    Dialog_pruefen(QStringLiteral("Abfrage_Drucken"), [&] { Fenster.Dialog_Abfrage_Drucken->exec(); });

    Fenster.PageControl1->setCurrentIndex(0);
    Fenster.setWindowState(Qt::WindowNoState);
    pruefen_lassen(QStringLiteral("Hauptfenster_wiederhergestellt"), &Fenster);
    std::printf("ENDE\n");
    return Fehler == 0 ? 0 : 1;
}
