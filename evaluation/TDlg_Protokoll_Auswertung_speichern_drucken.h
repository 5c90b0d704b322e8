#pragma once

#include "evaluation/Ausgabe_Wahl.h"

#include <QDialog>

class QPushButton;
class QTextEdit;
namespace Ui { class TDlg_Protokoll_Auswertung_speichern_drucken; }

// Asks which of the six print and save actions to run on protocol and
// statistics. Auswahl is only meaningful after the dialog closed with OK.
class TDlg_Protokoll_Auswertung_speichern_drucken : public QDialog
{
    Q_OBJECT
public:
    explicit TDlg_Protokoll_Auswertung_speichern_drucken(QWidget *parent = nullptr);
    ~TDlg_Protokoll_Auswertung_speichern_drucken() override;

    TProtokoll_Wahl Auswahl = TProtokoll_Wahl::keine;

    QTextEdit *RichEdit1;
    QPushButton *Btn_Protokoll_drucken;
    QPushButton *Btn_Auswertung_drucken;
    QPushButton *Btn_Auswertung_Protokoll_drucken;
    QPushButton *Btn_Protokoll_speichern;
    QPushButton *Btn_Auswertung_speichern;
    QPushButton *Btn_Auswertung_Protokoll_speichern;
    QPushButton *CancelBtn;

public slots:
    void Btn_Protokoll_druckenClick() { Waehlen(TProtokoll_Wahl::Protokoll_drucken); }
    void Btn_Auswertung_druckenClick() { Waehlen(TProtokoll_Wahl::Statistik_drucken); }
    void Btn_Auswertung_Protokoll_druckenClick() { Waehlen(TProtokoll_Wahl::Protokoll_und_Statistik_drucken); }
    void Btn_Protokoll_speichernClick() { Waehlen(TProtokoll_Wahl::Protokoll_speichern); }
    void Btn_Auswertung_speichernClick() { Waehlen(TProtokoll_Wahl::Statistik_speichern); }
    void Btn_Auswertung_Protokoll_speichernClick() { Waehlen(TProtokoll_Wahl::Protokoll_und_Statistik_speichern); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Waehlen(TProtokoll_Wahl Wahl);
    Ui::TDlg_Protokoll_Auswertung_speichern_drucken *ui;
};
