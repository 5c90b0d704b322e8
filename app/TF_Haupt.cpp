#include "app/TF_Haupt.h"

#include "ui_TF_Haupt.h"

#include "core/Farbe_Qt.h"
#include "core/Schriften.h"
#include "core/TRadioGroup.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTabBar>

TF_Haupt::TF_Haupt(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::TF_Haupt)
{
    ui->setupUi(this);
    MainMenu1 = ui->MainMenu1;
    M_beenden = ui->M_beenden;
    PageControl1 = ui->PageControl1;
    TabSheet4 = ui->TabSheet4;
    TabSheet1 = ui->TabSheet1;
    TabSheet2 = ui->TabSheet2;
    TabSheet3 = ui->TabSheet3;
    Frame_Tarvo_Uebungen1 = ui->Frame_Tarvo_Uebungen1;

    setFont(Schrift_Sans_Serif(11));
    Hintergrund_setzen(this, Farbe_Silber);
    QFont Reiter = PageControl1->tabBar()->font();
    Reiter.setBold(true);
    PageControl1->tabBar()->setFont(Reiter);
    Frame_Tarvo_Uebungen1->Panel_2_1->setFixedWidth(420);

    // These clicks are routed through the window so the focus returns to the
    // answer field; they replace the frame's own bindings.
    TFrame_Tarvo_Uebungen *F = Frame_Tarvo_Uebungen1;
    disconnect(F->ListBox_Rechenart_waehlen, nullptr, F, nullptr);
    disconnect(F->RadioGroup_Schwierigkeitsgrad, nullptr, F, nullptr);
    disconnect(F->RadioGroup_Auswertung, nullptr, F, nullptr);
    connect(F->ListBox_Rechenart_waehlen, &QListWidget::itemClicked, this,
            &TF_Haupt::Frame_Tarvo_Uebungen1ListBox_Rechenart_waehlenClick);
    connect(F->RadioGroup_Schwierigkeitsgrad, &TRadioGroup::Click, this,
            &TF_Haupt::Frame_Tarvo_Uebungen1RadioGroup_SchwierigkeitsgradClick);
    connect(F->RadioGroup_Auswertung, &TRadioGroup::Click, this,
            &TF_Haupt::Frame_Tarvo_Uebungen1RadioGroup_AuswertungClick);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TF_Haupt::PageControl1Change);
    connect(M_beenden, &QAction::triggered, this, &TF_Haupt::M_beendenClick);

    FormCreate();
}

TF_Haupt::~TF_Haupt()
{
    delete ui;
}

void TF_Haupt::FormCreate()
{
    Frame_Tarvo_Uebungen1->Uebungen_initialisieren();
    // The demonstrator on page 1 is initialised here.
    PageControl1->setCurrentIndex(0);
    // Centred for when the pupil restores the window from maximised.
    if (const QScreen *Bildschirm = screen())
        move(Bildschirm->availableGeometry().center() - rect().center());
    setWindowState(windowState() | Qt::WindowMaximized);
    // The document frame on page 2 is set up here.
}

void TF_Haupt::FormShow()
{
    Antwortfeld_fokussieren();
}

void TF_Haupt::PageControl1Change()
{
    Antwortfeld_fokussieren();
}

void TF_Haupt::Frame_Tarvo_Uebungen1ListBox_Rechenart_waehlenClick()
{
    Frame_Tarvo_Uebungen1->Einstellungen_uebernehmen(sender());
    Antwortfeld_fokussieren();
}

void TF_Haupt::Frame_Tarvo_Uebungen1RadioGroup_SchwierigkeitsgradClick()
{
    Frame_Tarvo_Uebungen1->Einstellungen_uebernehmen(sender());
    Antwortfeld_fokussieren();
}

void TF_Haupt::Frame_Tarvo_Uebungen1RadioGroup_AuswertungClick()
{
    Frame_Tarvo_Uebungen1->RadioGroup_AuswertungClick();
    Antwortfeld_fokussieren();
}

void TF_Haupt::M_beendenClick()
{
    close();
}

void TF_Haupt::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TF_Haupt::Antwortfeld_fokussieren()
{
    if (PageControl1->currentIndex() == 0)
        Frame_Tarvo_Uebungen1->MaskEdit_Schuelerloesung->setFocus();
}
