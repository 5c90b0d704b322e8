#include "exercises/TFrame_Auswertung_kurz.h"

#include "ui_TFrame_Auswertung_kurz.h"

#include "core/Farbe_Qt.h"
#include "core/Schriften.h"

TFrame_Auswertung_kurz::TFrame_Auswertung_kurz(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::TFrame_Auswertung_kurz)
{
    ui->setupUi(this);
    Panel2 = ui->Panel2;
    Label1 = ui->Label1;
    Label2 = ui->Label2;
    Label3 = ui->Label3;
    Label4 = ui->Label4;
    Edit_Anzahl_gestellter_Aufgaben = ui->Edit_Anzahl_gestellter_Aufgaben;
    Edit_richtig_geloester_Aufgaben = ui->Edit_richtig_geloester_Aufgaben;
    Edit_falsch_geloester_Aufgaben = ui->Edit_falsch_geloester_Aufgaben;
    Edit_Prozentzahl = ui->Edit_Prozentzahl;
    Button_Werte_zuruecksetzen = ui->Button_Werte_zuruecksetzen;

    setFont(Schrift_Courier_fett(13));
    Hintergrund_setzen(this, Farbe_Silber);
    Panel2->setFarbe(Farbe_Grau);
    for (QLineEdit *Feld : {Edit_Anzahl_gestellter_Aufgaben, Edit_richtig_geloester_Aufgaben,
                            Edit_falsch_geloester_Aufgaben, Edit_Prozentzahl}) {
        Feld->setFixedWidth(70);
        Feld->setFocusPolicy(Qt::NoFocus);
    }
    Grundfarbe_setzen(Edit_richtig_geloester_Aufgaben, Farbe_Hellgruen);
    Grundfarbe_setzen(Edit_falsch_geloester_Aufgaben, Werte_.Farbe_falsch());
    connect(Button_Werte_zuruecksetzen, &QPushButton::clicked, this,
            &TFrame_Auswertung_kurz::Button_Werte_zuruecksetzenClick);
    anzeigen();
}

TFrame_Auswertung_kurz::~TFrame_Auswertung_kurz()
{
    delete ui;
}

void TFrame_Auswertung_kurz::Werte_zuruecksetzen()
{
    Werte_.Werte_zuruecksetzen();
    anzeigen();
}

void TFrame_Auswertung_kurz::Antwort_zaehlen(bool richtig)
{
    Werte_.Antwort_zaehlen(richtig);
    anzeigen();
}

void TFrame_Auswertung_kurz::Button_Werte_zuruecksetzenClick()
{
    Werte_zuruecksetzen();
}

void TFrame_Auswertung_kurz::anzeigen()
{
    Edit_Anzahl_gestellter_Aufgaben->setText(Werte_.Text_gestellt());
    Edit_richtig_geloester_Aufgaben->setText(Werte_.Text_richtig());
    Edit_falsch_geloester_Aufgaben->setText(Werte_.Text_falsch());
    Edit_Prozentzahl->setText(Werte_.Text_Prozent());
    Grundfarbe_setzen(Edit_falsch_geloester_Aufgaben, Werte_.Farbe_falsch());
}
