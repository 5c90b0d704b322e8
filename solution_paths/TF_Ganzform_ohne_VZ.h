#pragma once

#include "ui_TF_Ganzform_ohne_VZ.h"

#include <QWidget>
#include <cstdint>

// One box showing an integer, its sign inside the text, or a short text.
class TF_Ganzform_ohne_VZ : public QWidget, public Ui::TF_Ganzform_ohne_VZ
{
    Q_OBJECT
public:
    explicit TF_Ganzform_ohne_VZ(QWidget *parent = nullptr);

    void Text_setzen(const QString &Text);
    void Zahl_setzen(std::int32_t Wert);
    void Zahl_setzen_geklammert(std::int32_t Wert);
    QString Text() const;
};
