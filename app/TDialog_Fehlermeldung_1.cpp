#include "app/TDialog_Fehlermeldung_1.h"

#include "ui_TDialog_Fehlermeldung_1.h"

#include "core/Farbe_Qt.h"
#include "core/Schriften.h"
#include "core/Text_speichern.h"

TDialog_Fehlermeldung_1::TDialog_Fehlermeldung_1(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TDialog_Fehlermeldung_1)
{
    ui->setupUi(this);
    RichEdit_1_1 = ui->RichEdit_1_1;
    RichEdit_1_2 = ui->RichEdit_1_2;
    RichEdit_1_3 = ui->RichEdit_1_3;
    Button_OK = ui->Button_OK;

    // No title-bar buttons: the window is left through OK (or RETURN).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(823, 249);
    Hintergrund_setzen(this, Farbe_Silber);
    for (QTextEdit *Box : {RichEdit_1_1, RichEdit_1_2, RichEdit_1_3})
        Box->setFont(Schrift_Courier_fett(13));
    Grundfarbe_setzen(RichEdit_1_1, Farbe_Grau);
    Grundfarbe_setzen(RichEdit_1_2, Farbe_Silber);
    Grundfarbe_setzen(RichEdit_1_3, Farbe_Grau);
    Button_OK->setFont(Schrift_Courier_fett(13));
    RichEdit_1_1->setPlainText(QStringLiteral("RichEdit_1_1"));
    RichEdit_1_2->setPlainText(QStringLiteral("RichEdit_1_2"));
    RichEdit_1_3->setPlainText(QStringLiteral("RichEdit_1_3"));
    RichEdit_1_1->setAccessibleName(QStringLiteral("Überschrift"));
    RichEdit_1_2->setAccessibleName(QStringLiteral("Meldung"));
    RichEdit_1_3->setAccessibleName(QStringLiteral("Fußzeile"));
    connect(Button_OK, &QPushButton::clicked, this, &TDialog_Fehlermeldung_1::Button_OKClick);
}

TDialog_Fehlermeldung_1::~TDialog_Fehlermeldung_1()
{
    delete ui;
}

void TDialog_Fehlermeldung_1::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button_OK->setFocus();
}

void TDialog_Fehlermeldung_1::Button_OKClick()
{
    accept();
}

void TDialog_Fehlermeldung_1::Zeilen_anhaengen(QTextEdit *Box, const QStringList &Zeilen)
{
    QStringList Alle = Zeilen_der_Box(Box);
    Alle.append(Zeilen);
    Box->setPlainText(Alle.join(u'\n'));
}

QStringList TDialog_Fehlermeldung_1::Zeilen(const QTextEdit *Box)
{
    return Zeilen_der_Box(Box);
}
