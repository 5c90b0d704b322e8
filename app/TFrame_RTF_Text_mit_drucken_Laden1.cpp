#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"

#include "app/Dokument_Texte.h"

#include <QTextEdit>

TFrame_RTF_Text_mit_drucken_Laden1::TFrame_RTF_Text_mit_drucken_Laden1(QWidget *parent)
    : TFrame_RTF_Text_mit_drucken_Laden(parent)
{
    RichEdit1->setPlainText(Informationsdokument_Zeilen().join(u'\n'));
}
