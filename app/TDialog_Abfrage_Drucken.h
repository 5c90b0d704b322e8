#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;
namespace Ui { class TDialog_Abfrage_Drucken; }

// Asked before the document frame prints: OK prints, anything else does not.
class TDialog_Abfrage_Drucken : public QDialog
{
    Q_OBJECT
public:
    explicit TDialog_Abfrage_Drucken(QWidget *parent = nullptr);
    ~TDialog_Abfrage_Drucken() override;

    QTextEdit *RichEdit1;
    QTextEdit *RichEdit2;
    QPushButton *Button1;
    QPushButton *Button2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Ui::TDialog_Abfrage_Drucken *ui;
};
