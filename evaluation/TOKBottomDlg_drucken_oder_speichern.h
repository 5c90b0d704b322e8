#pragma once

#include "ui_TOKBottomDlg_drucken_oder_speichern.h"

#include "core/Ausgabe_Wahl.h"

#include <QDialog>

// Asks whether a text is to be printed or saved.
class TOKBottomDlg_drucken_oder_speichern : public QDialog, public Ui::TOKBottomDlg_drucken_oder_speichern
{
    Q_OBJECT
public:
    explicit TOKBottomDlg_drucken_oder_speichern(QWidget *parent = nullptr);

    TAusgabe_Art Auswahl = TAusgabe_Art::abgebrochen;

public slots:
    void Button_druckenClick();
    void Button_speichernClick();
    void CancelBtnClick();
    // Escape and every other way out count as cancelled.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
};
