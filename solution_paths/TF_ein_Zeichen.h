#pragma once

#include <QWidget>

class QFrame;
class QLineEdit;
namespace Ui { class TF_ein_Zeichen; }

// A single character ("=" or an operator) in a small box.
class TF_ein_Zeichen : public QWidget
{
    Q_OBJECT
public:
    explicit TF_ein_Zeichen(QWidget *parent = nullptr);
    ~TF_ein_Zeichen() override;

    QFrame *Panel1;
    QLineEdit *Edit1;

private:
    Ui::TF_ein_Zeichen *ui;
};
