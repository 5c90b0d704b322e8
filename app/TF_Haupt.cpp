#include "app/TF_Haupt.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/Fenster_Lage.h"
#include "core/widgets/TFenster_Einpasser.h"
#include "core/widgets/Schriften.h"
#include "core/widgets/Seitenstapel_benennen.h"
#include "app/Dokument_Texte.h"
#include "app/TDialog_Abfrage_Drucken.h"
#include "app/TDialog_Fehlermeldung_1.h"
#include "app/TDialog_Impresssum_0.h"
#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"
#include "core/widgets/TRadioGroup.h"
#include "evaluation/TDlg_Protokoll_Auswertung_speichern_drucken.h"
#include "evaluation/TF_Auswertung.h"
#include "evaluation/TOKBottomDlg_drucken_oder_speichern.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "solution_paths/TDlg_Arbeitsanweisungen.h"
#include "solution_paths/TF_Tarvo.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTextEdit>
#include <QWindow>

TF_Haupt::TF_Haupt(QWidget *parent)
    : QMainWindow(parent)
{
    setupUi(this);
    Frame_Tarvo_Uebungen1 = new TFrame_Tarvo_Uebungen(Ablauf);
    Frame_Tarvo_Uebungen1->setObjectName(QStringLiteral("Frame_Tarvo_Uebungen1"));
    Rollbereich_Uebungen->setWidget(Frame_Tarvo_Uebungen1);
    Entwurfsgroesse = size();

    setFont(Schrift_Sans_Serif(11));
    Hintergrund_setzen(this, Farbe_Silber);
    QFont Reiter = PageControl1->tabBar()->font();
    Reiter.setBold(true);
    PageControl1->tabBar()->setFont(Reiter);
    Frame_Tarvo_Uebungen1->Panel_2_1->setFixedWidth(420);
    RichEdit2->setFont(Schrift_Courier_fett(13));
    Grundfarbe_setzen(RichEdit2, Farbe_Silber);
    RichEdit2->setPlainText(Programm_Informationen_Zeilen().join(u'\n'));
    RichEdit2->setAccessibleName(PageControl1->tabText(3));
    MainMenu1->setAccessibleName(QStringLiteral("Menü"));
    PageControl1->setAccessibleName(QStringLiteral("Seiten"));
    Seitenstapel_benennen(PageControl1);

    connect(Frame_Tarvo_Uebungen1, &TFrame_Tarvo_Uebungen::Rechenweg_gewuenscht, this,
            &TF_Haupt::Frame_Tarvo_Uebungen1Rechenweg_gewuenscht);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TF_Haupt::PageControl1Change);
    connect(M_beenden, &QAction::triggered, this, &TF_Haupt::M_beendenClick);
    connect(Impressum1, &QAction::triggered, this, &TF_Haupt::Impressum1Click);

    FormCreate();
}

void TF_Haupt::FormCreate()
{
    Frame_Tarvo_Uebungen1->Uebungen_initialisieren();
    F_Tarvo1->Initialisieren();
    PageControl1->setCurrentIndex(0);
    Normallage_setzen();
    setWindowState(windowState() | Qt::WindowMaximized);
    Frame_RTF_Text_mit_drucken_Laden11->Einrichten(QStringLiteral("Informationen_zum_Tarvo"), true, 1);
}

void TF_Haupt::Dialoge_erzeugen()
{
    Dialog_Impresssum_0 = new TDialog_Impresssum_0(this);
    OKBottomDlg_drucken_oder_speichern = new TOKBottomDlg_drucken_oder_speichern(this);
    Dialog_Fehlermeldung_1 = new TDialog_Fehlermeldung_1(this);
    Dlg_Arbeitsanweisungen = new TDlg_Arbeitsanweisungen(this);
    Dlg_Protokoll_Auswertung_speichern_drucken = new TDlg_Protokoll_Auswertung_speichern_drucken(this);
    // The print query must exist whenever the document frame prints.
    Dialog_Abfrage_Drucken = new TDialog_Abfrage_Drucken(this);

    F_Tarvo1->Arbeitsanweisungen_setzen(Dlg_Arbeitsanweisungen);
    Frame_Tarvo_Uebungen1->F_Auswertung2->Auswahl_Dialog_setzen(Dlg_Protokoll_Auswertung_speichern_drucken);
    Frame_RTF_Text_mit_drucken_Laden11->Dlg_drucken_oder_speichern_setzen(OKBottomDlg_drucken_oder_speichern);
    Frame_RTF_Text_mit_drucken_Laden11->Dialog_Abfrage_Drucken_setzen(Dialog_Abfrage_Drucken);
}

void TF_Haupt::FormShow()
{
    Antwortfeld_fokussieren();
}

void TF_Haupt::PageControl1Change()
{
    Antwortfeld_fokussieren();
}

void TF_Haupt::Frame_Tarvo_Uebungen1Rechenweg_gewuenscht(const TEinstellung_Aufgabe &Aufgabe)
{
    PageControl1->setCurrentWidget(TabSheet1);
    // The answer field is hidden now; the page's first control takes the
    // focus, unless the output mode hands it to "Aufgabe lösen".
    F_Tarvo1->Button_Aufgabe_stellen->setFocus();
    F_Tarvo1->Uebungsaufgabe_stellen(Aufgabe);
}

void TF_Haupt::M_beendenClick()
{
    close();
}

void TF_Haupt::Impressum1Click()
{
    Dialog_Impresssum_0->exec();
}

void TF_Haupt::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TF_Haupt::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Restored from maximised: the window manager puts the window back where
    // it was before, a place worked out before the window had a frame. Its
    // next size is corrected once the frame is known.
    if (event->type() == QEvent::WindowStateChange)
        Normallage_pruefen = TFenster_Einpasser::Fenster_platzierbar()
            && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

void TF_Haupt::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (Normallage_pruefen) {
        Normallage_pruefen = false;
        Normallage_setzen();
    }
}

QMargins TF_Haupt::Rahmenbreiten() const
{
    if (windowHandle() && !windowHandle()->frameMargins().isNull())
        return windowHandle()->frameMargins();
    // Before the window is first framed: room for a usual title bar and border.
    return QMargins(4, 30, 4, 4);
}

void TF_Haupt::Normallage_setzen()
{
    if (!screen() || isMaximized() || isFullScreen() || isMinimized())
        return;
    const QMargins Rand = Rahmenbreiten();
    const QRect Bereich = TFenster_Einpasser::Bereich(screen());
    QRect Ziel(QPoint(), Entwurfsgroesse.grownBy(Rand));
    Ziel.moveCenter(Bereich.center());
    Ziel = Fenster_einpassen(Ziel, Bereich);
    resize(Ziel.size().shrunkBy(Rand));
    if (TFenster_Einpasser::Fenster_platzierbar())
        move(Ziel.topLeft());
}

void TF_Haupt::Antwortfeld_fokussieren()
{
    if (PageControl1->currentIndex() == 0)
        Frame_Tarvo_Uebungen1->Antwortfeld_fokussieren();
}
