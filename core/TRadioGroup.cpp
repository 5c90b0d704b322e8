#include "core/TRadioGroup.h"

#include "core/Zugang_Texte.h"

#include <QButtonGroup>
#include <QFocusEvent>
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
        Knopf->installEventFilter(this);
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

bool TRadioGroup::eventFilter(QObject *watched, QEvent *event)
{
    // Tab into the group lands on the chosen item, as arrow keys would change
    // the choice (and with it the task) from any other item.
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason Grund = static_cast<QFocusEvent *>(event)->reason();
        QAbstractButton *Gewaehlt = Gruppe->checkedButton();
        if ((Grund == Qt::TabFocusReason || Grund == Qt::BacktabFocusReason) && Gewaehlt && Gewaehlt != watched)
            Gewaehlt->setFocus(Grund);
    }
    return QGroupBox::eventFilter(watched, event);
}
