#include "evaluation/TDlg_Protokoll_Auswertung_speichern_drucken.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "evaluation/Protokoll_Ausgabe_Texte.h"

TDlg_Protokoll_Auswertung_speichern_drucken::TDlg_Protokoll_Auswertung_speichern_drucken(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);

    setFixedSize(982, 292);
    Hintergrund_setzen(Panel_Knoepfe, Farbe_Grau);
    RichEdit1->setFont(Schrift_Courier_fett(13));
    Grundfarbe_setzen(RichEdit1, Farbe_Silber);
    RichEdit1->setPlainText(Auswahl_Protokoll_Statistik_Zeilen().join(u'\n'));
    RichEdit1->setAccessibleName(QStringLiteral("Erläuterung der Schalter"));

    connect(Btn_Protokoll_drucken, &QPushButton::clicked, this,
            &TDlg_Protokoll_Auswertung_speichern_drucken::Btn_Protokoll_druckenClick);
    connect(Btn_Auswertung_drucken, &QPushButton::clicked, this,
            &TDlg_Protokoll_Auswertung_speichern_drucken::Btn_Auswertung_druckenClick);
    connect(Btn_Auswertung_Protokoll_drucken, &QPushButton::clicked, this,
            &TDlg_Protokoll_Auswertung_speichern_drucken::Btn_Auswertung_Protokoll_druckenClick);
    connect(Btn_Protokoll_speichern, &QPushButton::clicked, this,
            &TDlg_Protokoll_Auswertung_speichern_drucken::Btn_Protokoll_speichernClick);
    connect(Btn_Auswertung_speichern, &QPushButton::clicked, this,
            &TDlg_Protokoll_Auswertung_speichern_drucken::Btn_Auswertung_speichernClick);
    connect(Btn_Auswertung_Protokoll_speichern, &QPushButton::clicked, this,
            &TDlg_Protokoll_Auswertung_speichern_drucken::Btn_Auswertung_Protokoll_speichernClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TDlg_Protokoll_Auswertung_speichern_drucken::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Every showing starts on the first button, so Enter prints the protocol.
    Btn_Protokoll_drucken->setFocus();
    RichEdit1->moveCursor(QTextCursor::Start);
}

void TDlg_Protokoll_Auswertung_speichern_drucken::Waehlen(TProtokoll_Wahl Wahl)
{
    Auswahl = Wahl;
    accept();
}
