#pragma once

#include <QDialog>

class QFrame;
class QPushButton;
class QTextEdit;
namespace Ui { class TDlg_Arbeitsanweisungen; }

// How to work with the solution-path page.
class TDlg_Arbeitsanweisungen : public QDialog
{
    Q_OBJECT
public:
    explicit TDlg_Arbeitsanweisungen(QWidget *parent = nullptr);
    ~TDlg_Arbeitsanweisungen() override;

    QFrame *Panel1;
    QTextEdit *RichEdit1;
    QPushButton *OKBtn;

    QStringList Zeilen() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Ui::TDlg_Arbeitsanweisungen *ui;
};
