#include "core/TRadioGroup.h"

#include "core/Zugang_Texte.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(QWidget *parent)
    : QGroupBox(parent)
    , Gruppe(new QButtonGroup(this))
    , Anordnung(new QVBoxLayout(this))
{
    Anordnung->setContentsMargins(6, 2, 6, 2);
    Anordnung->setSpacing(0);
    connect(Gruppe, &QButtonGroup::idClicked, this, [this] { emit Click(); });
}

void TRadioGroup::setItems(const QStringList &Items)
{
    const auto alte = Gruppe->buttons();
    for (QAbstractButton *Knopf : alte) {
        Gruppe->removeButton(Knopf);
        delete Knopf;
    }
    for (int i = 0; i < Items.size(); ++i) {
        auto *Knopf = new QRadioButton(Items.at(i), this);
        Knopf->setObjectName(objectName() + QStringLiteral("_Item_%1").arg(i));
        // Blanks that align the captions on screen are not read out.
        if (const QString Vorlesen = Vorlese_Text(Items.at(i)); Vorlesen != Items.at(i))
            Knopf->setAccessibleName(Vorlesen);
        Gruppe->addButton(Knopf, i);
        Anordnung->addWidget(Knopf);
    }
}

QStringList TRadioGroup::Items() const
{
    QStringList Texte;
    for (QAbstractButton *Knopf : Gruppe->buttons())
        Texte << Knopf->text();
    return Texte;
}

int TRadioGroup::ItemIndex() const
{
    return Gruppe->checkedId();
}

void TRadioGroup::setItemIndex(int Index)
{
    if (QAbstractButton *Knopf = Gruppe->button(Index))
        Knopf->setChecked(true);
}

QRadioButton *TRadioGroup::Button(int Index) const
{
    return qobject_cast<QRadioButton *>(Gruppe->button(Index));
}
