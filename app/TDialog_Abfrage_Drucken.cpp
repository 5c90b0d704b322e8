#include "app/TDialog_Abfrage_Drucken.h"

#include "app/Dokument_Texte.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"

TDialog_Abfrage_Drucken::TDialog_Abfrage_Drucken(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);

    setFixedSize(633, 226);
    setFont(Schrift_Sans_Serif(11));
    Hintergrund_setzen(this, Farbe_Grau);
    RichEdit2->setFont(Schrift_Courier_fett(13));
    RichEdit1->setFont(Schrift_Sans_Serif(13, true));
    Grundfarbe_setzen(RichEdit1, Farbe_Grau);
    Grundfarbe_setzen(RichEdit2, Farbe_Grau);
    RichEdit2->setPlainText(Abfrage_Drucken_Hinweis_Zeilen().join(u'\n'));
    RichEdit1->setPlainText(Abfrage_Drucken_Frage_Zeilen().join(u'\n'));
    RichEdit2->setAccessibleName(QStringLiteral("Hinweis zum Drucker"));
    RichEdit1->setAccessibleName(QStringLiteral("Frage"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TDialog_Abfrage_Drucken::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button1->setFocus();
}
