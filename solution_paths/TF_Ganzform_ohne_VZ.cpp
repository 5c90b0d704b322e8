#include "solution_paths/TF_Ganzform_ohne_VZ.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "core/Zahlentexte.h"
#include "solution_paths/Tarvo_Aufgabe_erzeugen.h"

TF_Ganzform_ohne_VZ::TF_Ganzform_ohne_VZ(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    Hintergrund_setzen(this, Farbe_Teal);
    Grundfarbe_setzen(Edit1, Farbe_Silber);
    Edit1->setFont(Schrift_Courier_fett(24));
    Edit1->setAccessibleName(QStringLiteral("Zahl"));
}

void TF_Ganzform_ohne_VZ::Text_setzen(const QString &Text)
{
    Edit1->setText(Text);
    Edit1->setCursorPosition(0);
}

void TF_Ganzform_ohne_VZ::Zahl_setzen(std::int32_t Wert)
{
    Text_setzen(Integer_zu_Text(Wert));
}

void TF_Ganzform_ohne_VZ::Zahl_setzen_geklammert(std::int32_t Wert)
{
    Text_setzen(Zahl_geklammert(Wert));
}

QString TF_Ganzform_ohne_VZ::Text() const
{
    return Edit1->text();
}
