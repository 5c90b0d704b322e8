#pragma once

#include "ui_TOKBottomDlg_drucken_oder_speichern.h"

#include <QDialog>
#include <cstdint>

// Asks whether a text is to be printed or saved: Auswahl 0 cancelled,
// 1 print, 2 save.
class TOKBottomDlg_drucken_oder_speichern : public QDialog, public Ui::TOKBottomDlg_drucken_oder_speichern
{
    Q_OBJECT
public:
    explicit TOKBottomDlg_drucken_oder_speichern(QWidget *parent = nullptr);

    std::uint8_t Auswahl = 0;

public slots:
    void Button_druckenClick();
    void Button_speichernClick();
    void CancelBtnClick();
    // Escape and every other way out count as cancelled.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
};
