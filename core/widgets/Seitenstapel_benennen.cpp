#include "core/widgets/Seitenstapel_benennen.h"

#include <QStackedWidget>
#include <QTabWidget>

void Seitenstapel_benennen(QTabWidget *Reiter)
{
    auto *Stapel = Reiter->findChild<QStackedWidget *>(QString(), Qt::FindDirectChildrenOnly);
    if (!Stapel)
        return;
    const auto benennen = [Reiter, Stapel] { Stapel->setAccessibleName(Reiter->tabText(Reiter->currentIndex())); };
    benennen();
    QObject::connect(Reiter, &QTabWidget::currentChanged, Stapel, benennen);
}
