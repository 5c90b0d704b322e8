#pragma once

#include <QDialog>
#include <cstdint>

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

    std::int32_t Auswahl = 0;

    QTextEdit *RichEdit1;
    QPushButton *Btn_Protokoll_drucken;
    QPushButton *Btn_Auswertung_drucken;
    QPushButton *Btn_Auswertung_Protokoll_drucken;
    QPushButton *Btn_Protokoll_speichern;
    QPushButton *Btn_Auswertung_speichern;
    QPushButton *Btn_Auswertung_Protokoll_speichern;
    QPushButton *CancelBtn;

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
    Ui::TDlg_Protokoll_Auswertung_speichern_drucken *ui;
};
