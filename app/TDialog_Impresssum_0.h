#pragma once

#include "ui_TDialog_Impresssum_0.h"

#include <QDialog>

// The imprint: author, licence and terms of use. Left through OK or RETURN only.
class TDialog_Impresssum_0 : public QDialog, public Ui::TDialog_Impresssum_0
{
    Q_OBJECT
public:
    explicit TDialog_Impresssum_0(QWidget *parent = nullptr);

public slots:
    void Button_OKClick();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
