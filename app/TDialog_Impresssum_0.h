#pragma once

#include <QDialog>

class QFrame;
class QPushButton;
class QTextEdit;
namespace Ui { class TDialog_Impresssum_0; }

// The imprint: author, licence and terms of use. Left through OK or RETURN only.
class TDialog_Impresssum_0 : public QDialog
{
    Q_OBJECT
public:
    explicit TDialog_Impresssum_0(QWidget *parent = nullptr);
    ~TDialog_Impresssum_0() override;

    QTextEdit *RichEdit_1_1;
    QTextEdit *RichEdit_1_2;
    QTextEdit *RichEdit_1_3;
    QPushButton *Button_OK;

public slots:
    void Button_OKClick();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Ui::TDialog_Impresssum_0 *ui;
};
