#pragma once

#include "evaluation/Ausgabe_Wahl.h"

#include <QDialog>

class QPushButton;
class QTextEdit;
namespace Ui { class TOKBottomDlg_drucken_oder_speichern; }

// Asks whether a text is to be printed or saved.
class TOKBottomDlg_drucken_oder_speichern : public QDialog
{
    Q_OBJECT
public:
    explicit TOKBottomDlg_drucken_oder_speichern(QWidget *parent = nullptr);
    ~TOKBottomDlg_drucken_oder_speichern() override;

    TAusgabe_Art Auswahl = TAusgabe_Art::abgebrochen;

    QTextEdit *RichEdit1;
    QPushButton *Button_drucken;
    QPushButton *Button_speichern;
    QPushButton *CancelBtn;

public slots:
    void Button_druckenClick();
    void Button_speichernClick();
    void CancelBtnClick();
    // Escape and every other way out count as cancelled.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Ui::TOKBottomDlg_drucken_oder_speichern *ui;
};
