#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
namespace Ui { class TDlg_Memo_darstellen; }

// A wide window that shows lines of text in the fixed-pitch font.
class TDlg_Memo_darstellen : public QDialog
{
    Q_OBJECT
public:
    explicit TDlg_Memo_darstellen(QWidget *parent = nullptr);
    ~TDlg_Memo_darstellen() override;

    QPlainTextEdit *Memo1;
    QPushButton *OKBtn;

    void Zeilen_anhaengen(const QStringList &Zeilen);
    QStringList Zeilen() const;

private:
    Ui::TDlg_Memo_darstellen *ui;
};
