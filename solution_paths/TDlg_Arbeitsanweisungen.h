#pragma once

#include "ui_TDlg_Arbeitsanweisungen.h"

#include <QDialog>

// How to work with the solution-path page.
class TDlg_Arbeitsanweisungen : public QDialog, public Ui::TDlg_Arbeitsanweisungen
{
    Q_OBJECT
public:
    explicit TDlg_Arbeitsanweisungen(QWidget *parent = nullptr);

    QStringList Zeilen() const;

protected:
    void showEvent(QShowEvent *event) override;
};
