#include "core/widgets/TListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

TListBox::TListBox(QWidget *parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::currentRowChanged, this, [this](int Zeile) {
        Auswahl_halten();
        if (Zeile >= 0)
            emit Click();
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TListBox::Auswahl_halten);
}

void TListBox::Auswahl_halten()
{
    const QModelIndex Aktuell = currentIndex();
    if (!Aktuell.isValid() || selectionModel()->selectedIndexes() == QModelIndexList{Aktuell})
        return;
    selectionModel()->select(Aktuell, QItemSelectionModel::ClearAndSelect);
}

void TListBox::mousePressEvent(QMouseEvent *event)
{
    Zeile_vor_dem_Druecken = currentRow();
    QListWidget::mousePressEvent(event);
}

void TListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    // A row change already reported itself; a click that left the chosen item chosen did not.
    const int Zeile = currentRow();
    if (event->button() == Qt::LeftButton && Zeile >= 0 && Zeile == Zeile_vor_dem_Druecken
        && itemAt(event->position().toPoint()) == item(Zeile))
        emit Click();
    Zeile_vor_dem_Druecken = -1;
}

void TListBox::keyPressEvent(QKeyEvent *event)
{
    const int Taste = event->key();
    const bool waehlen = Taste == Qt::Key_Space || Taste == Qt::Key_Return || Taste == Qt::Key_Enter;
    if (waehlen && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && currentRow() >= 0) {
        emit Click();
        return;
    }
    QListWidget::keyPressEvent(event);
}
