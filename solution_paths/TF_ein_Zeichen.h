#pragma once

#include "ui_TF_ein_Zeichen.h"

#include <QWidget>

// A single character ("=" or an operator) in a small box.
class TF_ein_Zeichen : public QWidget, public Ui::TF_ein_Zeichen
{
    Q_OBJECT
public:
    explicit TF_ein_Zeichen(QWidget *parent = nullptr);
};
