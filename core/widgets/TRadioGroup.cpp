#include "core/widgets/TRadioGroup.h"

#include "core/Zugang_Texte.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

// A radio button that reacts on its whole width, not only on circle and caption.
class TRadio_Zeile : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &Punkt) const override { return rect().contains(Punkt); }
};

} // namespace

TRadioGroup::TRadioGroup(QWidget *parent)
    : QGroupBox(parent)
    , Gruppe(new QButtonGroup(this))
    , Anordnung(new QVBoxLayout(this))
{
    Anordnung->setContentsMargins(6, 2, 6, 2);
    Anordnung->setSpacing(0);
    // An item that becomes checked is a choice however it happened (an
    // accessibility "toggle" checks it without a click). A click that checked
    // it has then been reported already; a click on the chosen item has not.
    // Every click starts with a press, which forgets an earlier report.
    connect(Gruppe, &QButtonGroup::idPressed, this, [this] { Wahl_gemeldet = false; });
    connect(Gruppe, &QButtonGroup::idToggled, this, [this](int, bool gewaehlt) {
        if (!gewaehlt || im_Programm)
            return;
        Wahl_gemeldet = true;
        emit Click();
    });
    connect(Gruppe, &QButtonGroup::idClicked, this, [this] {
        if (!Wahl_gemeldet)
            emit Click();
        Wahl_gemeldet = false;
    });
}

void TRadioGroup::setItems(const QStringList &Items)
{
    const auto alte = Gruppe->buttons();
    for (QAbstractButton *Knopf : alte) {
        Gruppe->removeButton(Knopf);
        delete Knopf;
    }
    for (int i = 0; i < Items.size(); ++i) {
        auto *Knopf = new TRadio_Zeile(Items.at(i), this);
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
    const QScopedValueRollback Sperre(im_Programm, true);
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

QAbstractButton *TRadioGroup::Zeile_bei(int y) const
{
    for (QAbstractButton *Knopf : Gruppe->buttons())
        if (Knopf->isVisible() && y >= Knopf->geometry().top() && y <= Knopf->geometry().bottom())
            return Knopf;
    return nullptr;
}

void TRadioGroup::an_Zeile_weitergeben(QAbstractButton *Knopf, QMouseEvent *event)
{
    // The group's margins beside a row belong to that row.
    const QPointF Punkt = Knopf->mapFrom(this, event->position());
    const QPointF In_der_Zeile(qBound(0.0, Punkt.x(), qreal(Knopf->width() - 1)), Punkt.y());
    QMouseEvent Weitergabe(event->type(), In_der_Zeile, Knopf->mapToGlobal(In_der_Zeile), event->button(),
                           event->buttons(), event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(Knopf, &Weitergabe);
    event->setAccepted(Weitergabe.isAccepted());
}

void TRadioGroup::mousePressEvent(QMouseEvent *event)
{
    Gedrueckte_Zeile = Zeile_bei(qRound(event->position().y()));
    if (Gedrueckte_Zeile)
        an_Zeile_weitergeben(Gedrueckte_Zeile, event);
    else
        QGroupBox::mousePressEvent(event);
}

void TRadioGroup::mouseReleaseEvent(QMouseEvent *event)
{
    QAbstractButton *Knopf = Gedrueckte_Zeile;
    Gedrueckte_Zeile = nullptr;
    if (Knopf)
        an_Zeile_weitergeben(Knopf, event);
    else
        QGroupBox::mouseReleaseEvent(event);
}
