#include "solution_paths/TF_ein_Zeichen.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"

TF_ein_Zeichen::TF_ein_Zeichen(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    Hintergrund_setzen(Panel1, Farbe_Silber);
    Grundfarbe_setzen(Edit1, Farbe_Silber);
    Edit1->setFont(Schrift_Courier_fett(24));
    Edit1->setTextMargins(0, 0, 0, 0);
    Edit1->setAccessibleName(QStringLiteral("Zeichen"));
}
