#pragma once

#include "ui_TDlg_Protokoll_Auswertung_speichern_drucken.h"

#include <QDialog>
#include <cstdint>

// Asks which of the six print and save actions to run on protocol and
// statistics. Auswahl is only meaningful after the dialog closed with OK.
class TDlg_Protokoll_Auswertung_speichern_drucken : public QDialog,
                                                    public Ui::TDlg_Protokoll_Auswertung_speichern_drucken
{
    Q_OBJECT
public:
    explicit TDlg_Protokoll_Auswertung_speichern_drucken(QWidget *parent = nullptr);

    std::int32_t Auswahl = 0;

public slots:
    void Btn_Protokoll_druckenClick() { Waehlen(1); }
    void Btn_Auswertung_druckenClick() { Waehlen(2); }
    void Btn_Auswertung_Protokoll_druckenClick() { Waehlen(3); }
    void Btn_Protokoll_speichernClick() { Waehlen(4); }
    void Btn_Auswertung_speichernClick() { Waehlen(5); }
    void Btn_Auswertung_Protokoll_speichernClick() { Waehlen(6); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Waehlen(std::int32_t Nummer);
};
