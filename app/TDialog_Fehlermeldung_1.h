#pragma once

#include <QDialog>

class QFrame;
class QPushButton;
class QTextEdit;
namespace Ui { class TDialog_Fehlermeldung_1; }

// A message in three strips (heading, message, footer). Its creator owns it and
// destroys it after the modal showing; closing only hides it. Left through
// OK or RETURN only.
class TDialog_Fehlermeldung_1 : public QDialog
{
    Q_OBJECT
public:
    explicit TDialog_Fehlermeldung_1(QWidget *parent = nullptr);
    ~TDialog_Fehlermeldung_1() override;

    QTextEdit *RichEdit_1_1;
    QTextEdit *RichEdit_1_2;
    QTextEdit *RichEdit_1_3;
    QPushButton *Button_OK;

    // Appends lines to a strip, as the callers fill the window.
    static void Zeilen_anhaengen(QTextEdit *Box, const QStringList &Zeilen);
    static QStringList Zeilen(const QTextEdit *Box);

public slots:
    void Button_OKClick();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Ui::TDialog_Fehlermeldung_1 *ui;
};
