#include "core/TPageControl.h"

#include "core/TReiter_Leiste.h"

TPageControl::TPageControl(QWidget *parent)
    : QTabWidget(parent)
{
    // Before any page is added: the tab widget takes its bar only now.
    setTabBar(new TReiter_Leiste(this));
}

TReiter_Leiste *TPageControl::Reiter_Leiste() const
{
    return static_cast<TReiter_Leiste *>(tabBar());
}
