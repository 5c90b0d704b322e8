#pragma once

#include "ui_TDlg_Memo_darstellen.h"

#include <QDialog>

// A wide window that shows lines of text in the fixed-pitch font.
class TDlg_Memo_darstellen : public QDialog, public Ui::TDlg_Memo_darstellen
{
    Q_OBJECT
public:
    explicit TDlg_Memo_darstellen(QWidget *parent = nullptr);

    void Zeilen_anhaengen(const QStringList &Zeilen);
    QStringList Zeilen() const;
};
