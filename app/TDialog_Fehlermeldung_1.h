#pragma once

#include "ui_TDialog_Fehlermeldung_1.h"

#include <QDialog>

class QTextEdit;

// A message in three strips (heading, message, footer). Its creator owns it and
// destroys it after the modal showing; closing only hides it. Left through
// OK or RETURN only.
class TDialog_Fehlermeldung_1 : public QDialog, public Ui::TDialog_Fehlermeldung_1
{
    Q_OBJECT
public:
    explicit TDialog_Fehlermeldung_1(QWidget *parent = nullptr);

    // Appends lines to a strip, as the callers fill the window.
    static void Zeilen_anhaengen(QTextEdit *Box, const QStringList &Zeilen);
    static QStringList Zeilen(const QTextEdit *Box);

public slots:
    void Button_OKClick();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
