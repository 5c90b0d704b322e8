#pragma once

#include "ui_TDialog_Abfrage_Drucken.h"

#include <QDialog>

// Asked before the document frame prints: OK prints, anything else does not.
class TDialog_Abfrage_Drucken : public QDialog, public Ui::TDialog_Abfrage_Drucken
{
    Q_OBJECT
public:
    explicit TDialog_Abfrage_Drucken(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
