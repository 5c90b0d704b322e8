#pragma once

#include "ui_TDlg_Protokoll_Auswertung_speichern_drucken.h"

#include "core/Ausgabe_Wahl.h"

#include <QDialog>

// Asks which of the six print and save actions to run on protocol and
// statistics. Auswahl is only meaningful after the dialog closed with OK.
class TDlg_Protokoll_Auswertung_speichern_drucken : public QDialog,
                                                    public Ui::TDlg_Protokoll_Auswertung_speichern_drucken
{
    Q_OBJECT
public:
    explicit TDlg_Protokoll_Auswertung_speichern_drucken(QWidget *parent = nullptr);

    TProtokoll_Wahl Auswahl = TProtokoll_Wahl::keine;

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
};
