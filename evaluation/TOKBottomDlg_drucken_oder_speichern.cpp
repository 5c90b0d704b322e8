#include "evaluation/TOKBottomDlg_drucken_oder_speichern.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "evaluation/Protokoll_Ausgabe_Texte.h"

TOKBottomDlg_drucken_oder_speichern::TOKBottomDlg_drucken_oder_speichern(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);

    // A title bar without buttons: the dialog is left through its own buttons or Escape.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(826, 168);
    Hintergrund_setzen(this, Farbe_Grau);
    RichEdit1->setFont(Schrift_Courier_fett(13));
    Grundfarbe_setzen(RichEdit1, Farbe_Silber);
    RichEdit1->setPlainText(Auswahl_drucken_oder_speichern_Zeilen().join(u'\n'));
    RichEdit1->setAccessibleName(QStringLiteral("Erläuterung der Schalter"));

    connect(Button_drucken, &QPushButton::clicked, this, &TOKBottomDlg_drucken_oder_speichern::Button_druckenClick);
    connect(Button_speichern, &QPushButton::clicked, this, &TOKBottomDlg_drucken_oder_speichern::Button_speichernClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TOKBottomDlg_drucken_oder_speichern::CancelBtnClick);
}

void TOKBottomDlg_drucken_oder_speichern::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button_speichern->setFocus();
    RichEdit1->moveCursor(QTextCursor::Start);
}

void TOKBottomDlg_drucken_oder_speichern::Button_druckenClick()
{
    Auswahl = TAusgabe_Art::drucken;
    accept();
}

void TOKBottomDlg_drucken_oder_speichern::Button_speichernClick()
{
    Auswahl = TAusgabe_Art::speichern;
    accept();
}

void TOKBottomDlg_drucken_oder_speichern::CancelBtnClick()
{
    reject();
}

void TOKBottomDlg_drucken_oder_speichern::reject()
{
    Auswahl = TAusgabe_Art::abgebrochen;
    QDialog::reject();
}
