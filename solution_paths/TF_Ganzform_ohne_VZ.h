#pragma once

#include <QWidget>
#include <cstdint>

class QLineEdit;
namespace Ui { class TF_Ganzform_ohne_VZ; }

// One box showing an integer, its sign inside the text, or a short text.
class TF_Ganzform_ohne_VZ : public QWidget
{
    Q_OBJECT
public:
    explicit TF_Ganzform_ohne_VZ(QWidget *parent = nullptr);
    ~TF_Ganzform_ohne_VZ() override;

    QLineEdit *Edit1;

    void Text_setzen(const QString &Text);
    void Zahl_setzen(std::int32_t Wert);
    void Zahl_setzen_geklammert(std::int32_t Wert);
    QString Text() const;

private:
    Ui::TF_Ganzform_ohne_VZ *ui;
};
