#include "core/widgets/TPageControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

#include <algorithm>

TPageControl::TPageControl(QWidget *parent)
    : QWidget(parent)
    , Stapel(new QStackedWidget(this))
    , Leiste(new TReiter_Leiste(this))
{
    // The style's spacing treats the pages and the whole as parts of a tab widget.
    Stapel->setSizePolicy(QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred, QSizePolicy::TabWidget));
    setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding, QSizePolicy::TabWidget));
    setFocusPolicy(Qt::TabFocus);
    setFocusProxy(Leiste);
    connect(Leiste, &QTabBar::currentChanged, this, &TPageControl::Seite_zeigen);
}

int TPageControl::addTab(QWidget *Seite, const QString &Beschriftung)
{
    const int Index = Stapel->addWidget(Seite);
    Leiste->insertTab(Index, Beschriftung);
    Teile_anordnen();
    return Index;
}

void TPageControl::setTabText(int Index, const QString &Beschriftung)
{
    Leiste->setTabText(Index, Beschriftung);
    if (Index == currentIndex())
        Stapel->setAccessibleName(Beschriftung);
    Teile_anordnen();
}

QString TPageControl::tabText(int Index) const
{
    return Leiste->tabText(Index);
}

int TPageControl::count() const
{
    return Leiste->count();
}

int TPageControl::currentIndex() const
{
    return Leiste->currentIndex();
}

QWidget *TPageControl::currentWidget() const
{
    return Stapel->currentWidget();
}

QWidget *TPageControl::widget(int Index) const
{
    return Stapel->widget(Index);
}

int TPageControl::indexOf(const QWidget *Seite) const
{
    return Stapel->indexOf(Seite);
}

TReiter_Leiste *TPageControl::tabBar() const
{
    return Leiste;
}

void TPageControl::setCurrentIndex(int Index)
{
    Leiste->setCurrentIndex(Index);
}

void TPageControl::setCurrentWidget(QWidget *Seite)
{
    Leiste->setCurrentIndex(indexOf(Seite));
}

void TPageControl::Seite_zeigen(int Index)
{
    Stapel->setCurrentIndex(Index);
    Stapel->setAccessibleName(tabText(Index));
    emit currentChanged(Index);
}

void TPageControl::Rahmen_beschreiben(QStyleOptionTabWidgetFrame *Option) const
{
    Option->initFrom(this);
    Option->lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    Option->shape = QTabBar::RoundedNorth;
    Option->tabBarRect = Leiste->geometry();
    Option->tabBarSize = Leiste->sizeHint();
    Option->leftCornerWidgetSize = QSize(0, 0);
    Option->rightCornerWidgetSize = QSize(0, 0);
    if (currentIndex() >= 0)
        Option->selectedTabRect = Leiste->Reiter_Rechteck(currentIndex()).translated(Option->tabBarRect.topLeft());
}

QSize TPageControl::Groesse_um(QStyleOptionTabWidgetFrame *Option, QSize Seiten, QSize Reiter) const
{
    Option->state = QStyle::State_None;
    const QSize Inhalt(std::max(Seiten.width(), Reiter.width()), Seiten.height() + Reiter.height());
    return style()->sizeFromContents(QStyle::CT_TabWidget, Option, Inhalt, this);
}

QSize TPageControl::sizeHint() const
{
    QStyleOptionTabWidgetFrame Option;
    Rahmen_beschreiben(&Option);
    QSize Seiten;
    for (int i = 0; i < Stapel->count(); ++i)
        if (Leiste->isTabVisible(i))
            Seiten = Seiten.expandedTo(Stapel->widget(i)->sizeHint());
    // A bar that wants more than the screens hold wishes for no more than them.
    const QSize Reiter = Leiste->sizeHint().boundedTo(screen()->virtualSize());
    return Groesse_um(&Option, Seiten, Reiter);
}

QSize TPageControl::minimumSizeHint() const
{
    QStyleOptionTabWidgetFrame Option;
    Rahmen_beschreiben(&Option);
    return Groesse_um(&Option, Stapel->minimumSizeHint(), Leiste->minimumSizeHint());
}

void TPageControl::Teile_anordnen()
{
    // Hidden, the parts are placed when the control is shown.
    if (!isVisible())
        return;
    QStyleOptionTabWidgetFrame Option;
    Rahmen_beschreiben(&Option);
    Leiste->setGeometry(style()->subElementRect(QStyle::SE_TabWidgetTabBar, &Option, this));
    Blatt = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &Option, this);
    Stapel->setGeometry(style()->subElementRect(QStyle::SE_TabWidgetTabContents, &Option, this));
    Leiste_zuletzt = Option.tabBarSize;
    update();
    Eigner_benachrichtigen();
}

void TPageControl::Eigner_benachrichtigen()
{
    Minimum_zuletzt = minimumSizeHint();
    updateGeometry();
}

bool TPageControl::event(QEvent *event)
{
    // A page's wish changed, or the bar's. Only a changed bar moves the
    // parts; a caption on a page that changed (after every answer) needs no
    // repaint of the whole control. The owner hears of it only when the
    // control's minimum size changes (a caption's length changes only its
    // wish); otherwise its whole window would be laid out anew.
    if (event->type() == QEvent::LayoutRequest) {
        if (Leiste->sizeHint() != Leiste_zuletzt)
            Teile_anordnen();
        else if (minimumSizeHint() != Minimum_zuletzt)
            Eigner_benachrichtigen();
    }
    return QWidget::event(event);
}

void TPageControl::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange)
        Teile_anordnen();
    QWidget::changeEvent(event);
}

void TPageControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Teile_anordnen();
}

void TPageControl::showEvent(QShowEvent *)
{
    Teile_anordnen();
}

void TPageControl::paintEvent(QPaintEvent *)
{
    QStylePainter Maler(this);
    QStyleOptionTabWidgetFrame Option;
    Rahmen_beschreiben(&Option);
    Option.rect = Blatt;
    Maler.drawPrimitive(QStyle::PE_FrameTabWidget, Option);
}

void TPageControl::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from anywhere inside the
    // control, round from the last to the first, past disabled tabs.
    const bool Tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!Tab || !(event->modifiers() & Qt::ControlModifier) || count() < 2) {
        event->ignore();
        return;
    }
    const int Schritt = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier) ? -1 : 1;
    int Seite = currentIndex();
    for (int Versuch = 0; Versuch < count(); ++Versuch) {
        Seite = (Seite + Schritt + count()) % count();
        if (Leiste->isTabEnabled(Seite)) {
            setCurrentIndex(Seite);
            break;
        }
    }
    if (!QApplication::focusWidget())
        Leiste->setFocus();
}
