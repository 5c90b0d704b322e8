#include "app/Vier_Felder_Dialog.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"

#include <QDialog>
#include <QPushButton>
#include <QTextEdit>

void Vier_Felder_gestalten(QDialog *Dialog, QSize Groesse, QTextEdit *Kopf, QTextEdit *Text, QTextEdit *Fuss,
                           QPushButton *OK)
{
    // No title-bar buttons: the window is left through OK (or RETURN).
    Dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    Dialog->setFixedSize(Groesse);
    Hintergrund_setzen(Dialog, Farbe_Silber);
    for (QTextEdit *Box : {Kopf, Text, Fuss})
        Box->setFont(Schrift_Courier_fett(13));
    Grundfarbe_setzen(Kopf, Farbe_Grau);
    Grundfarbe_setzen(Text, Farbe_Silber);
    Grundfarbe_setzen(Fuss, Farbe_Grau);
    OK->setFont(Schrift_Courier_fett(13));
}
