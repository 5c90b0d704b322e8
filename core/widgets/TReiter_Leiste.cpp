#include "core/widgets/TReiter_Leiste.h"

#include "core/Reiter_Anordnung.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>
#include <numeric>

namespace {

// A caption as it is read out: the mnemonic marks removed.
QString ohne_Kuerzel(const QString &Text)
{
    QString Ergebnis;
    for (int i = 0; i < Text.size(); ++i) {
        if (Text.at(i) == u'&' && i + 1 < Text.size())
            ++i;
        Ergebnis += Text.at(i);
    }
    return Ergebnis;
}

// One tab as assistive technology sees it: a page tab named by its caption,
// at the place where it is drawn, pressed to open its page.
class TReiter_Zugang : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TReiter_Zugang(TReiter_Leiste *Leiste, int Index)
        : m_Leiste(Leiste)
        , m_Index(Index)
    {
    }

    int Index() const { return m_Index; }

    void *interface_cast(QAccessible::InterfaceType Art) override
    {
        return Art == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    bool isValid() const override { return m_Leiste && m_Index < m_Leiste->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_Leiste ? m_Leiste->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_Leiste ? QAccessible::queryAccessibleInterface(m_Leiste.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text Art) const override
    {
        if (!isValid())
            return {};
        if (Art == QAccessible::Name)
            return ohne_Kuerzel(m_Leiste->tabText(m_Index));
        if (Art == QAccessible::Description)
            return m_Leiste->tabToolTip(m_Index);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}

    QAccessible::State state() const override
    {
        QAccessible::State Zustand;
        if (!isValid()) {
            Zustand.invalid = true;
            return Zustand;
        }
        Zustand.selectable = true;
        Zustand.selected = m_Index == m_Leiste->currentIndex();
        Zustand.focusable = m_Leiste->focusPolicy() != Qt::NoFocus;
        Zustand.focused = Zustand.selected && m_Leiste->hasFocus();
        Zustand.disabled = !m_Leiste->isEnabled() || !m_Leiste->isTabEnabled(m_Index);
        Zustand.invisible = !m_Leiste->isVisible();
        return Zustand;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect R = m_Leiste->Reiter_Rechteck(m_Index);
        return QRect(m_Leiste->mapToGlobal(R.topLeft()), R.size());
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &Aktion) override
    {
        if (isValid() && Aktion == pressAction() && m_Leiste->isTabEnabled(m_Index))
            m_Leiste->setCurrentIndex(m_Index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<TReiter_Leiste> m_Leiste;
    int m_Index;
};

// The bar: a page tab list whose children are its tabs. Its name is the
// current tab's caption unless it has one of its own.
class TReiter_Leiste_Zugang : public QAccessibleWidget
{
public:
    explicit TReiter_Leiste_Zugang(TReiter_Leiste *Leiste)
        : QAccessibleWidget(Leiste, QAccessible::PageTabList)
    {
    }

    ~TReiter_Leiste_Zugang() override
    {
        for (QAccessible::Id Kennung : std::as_const(m_Kinder))
            QAccessible::deleteAccessibleInterface(Kennung);
    }

    TReiter_Leiste *Leiste() const { return static_cast<TReiter_Leiste *>(widget()); }

    int childCount() const override { return Leiste()->count(); }

    QAccessibleInterface *child(int Index) const override
    {
        if (Index < 0 || Index >= childCount())
            return nullptr;
        if (const auto Gefunden = m_Kinder.constFind(Index); Gefunden != m_Kinder.cend())
            return QAccessible::accessibleInterface(*Gefunden);
        auto *Kind = new TReiter_Zugang(Leiste(), Index);
        m_Kinder.insert(Index, QAccessible::registerAccessibleInterface(Kind));
        return Kind;
    }

    int indexOfChild(const QAccessibleInterface *Kind) const override
    {
        if (Kind && Kind->role() == QAccessible::PageTab && Kind->parent() == this)
            return static_cast<const TReiter_Zugang *>(Kind)->Index();
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        return child(Leiste()->Reiter_bei(Leiste()->mapFromGlobal(QPoint(x, y))));
    }

    QString text(QAccessible::Text Art) const override
    {
        QString Text = QAccessibleWidget::text(Art);
        if (Art == QAccessible::Name && Text.isEmpty() && Leiste()->currentIndex() >= 0)
            Text = ohne_Kuerzel(Leiste()->tabText(Leiste()->currentIndex()));
        return Text;
    }

private:
    mutable QHash<int, QAccessible::Id> m_Kinder;
};

QAccessibleInterface *Zugang_Fabrik(const QString &Klasse, QObject *Objekt)
{
    if (Klasse == QLatin1String("TReiter_Leiste"))
        if (auto *Leiste = qobject_cast<TReiter_Leiste *>(Objekt))
            return new TReiter_Leiste_Zugang(Leiste);
    return nullptr;
}

} // namespace

TReiter_Leiste::TReiter_Leiste(QWidget *parent)
    : QTabBar(parent)
{
    // Qt adds a factory once, however often it is installed.
    QAccessible::installFactory(Zugang_Fabrik);

    // The base class lays its tabs out on one row; neither its scroll arrows
    // nor shortened captions may show.
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
}

QList<int> TReiter_Leiste::Breiten() const
{
    QList<int> B;
    for (int i = 0; i < count(); ++i)
        B << QTabBar::tabSizeHint(i).width();
    return B;
}

int TReiter_Leiste::Zeilenhoehe() const
{
    int h = 0;
    for (int i = 0; i < count(); ++i)
        h = std::max(h, QTabBar::tabSizeHint(i).height());
    return h;
}

int TReiter_Leiste::Breite_zugeteilt() const
{
    // The tab widget gives the bar the smaller of its own width and the bar's wish.
    const QList<int> B = Breiten();
    const int alle = std::accumulate(B.cbegin(), B.cend(), 0);
    return parentWidget() ? std::min(alle, parentWidget()->width()) : alle;
}

QRect TReiter_Leiste::Reiter_Rechteck(int Index) const
{
    const TReiter_Anordnung A = Reiter_anordnen(Breiten(), Zeilenhoehe(), width(), currentIndex());
    return A.Reiter.value(Index);
}

int TReiter_Leiste::Reiter_bei(QPoint Punkt) const
{
    const TReiter_Anordnung A = Reiter_anordnen(Breiten(), Zeilenhoehe(), width(), currentIndex());
    for (int i = 0; i < A.Reiter.size(); ++i)
        if (A.Reiter.at(i).contains(Punkt))
            return i;
    return -1;
}

int TReiter_Leiste::Zeilen() const
{
    return Reiter_anordnen(Breiten(), Zeilenhoehe(), width(), currentIndex()).Zeilen;
}

QSize TReiter_Leiste::sizeHint() const
{
    const QList<int> B = Breiten();
    const int alle = std::accumulate(B.cbegin(), B.cend(), 0);
    const int Zeilen = Reiter_anordnen(B, Zeilenhoehe(), Breite_zugeteilt(), currentIndex()).Zeilen;
    return QSize(alle, std::max(1, Zeilen) * Zeilenhoehe());
}

QSize TReiter_Leiste::minimumSizeHint() const
{
    // As narrow as the widest caption; as high as the rows at the present width.
    const QList<int> B = Breiten();
    const int breitester = B.isEmpty() ? 0 : *std::max_element(B.cbegin(), B.cend());
    return QSize(breitester, sizeHint().height());
}

bool TReiter_Leiste::event(QEvent *event)
{
    // The base class would look for the tab under the mouse on its one row.
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave: {
        const int vorher = Reiter_unter_Zeiger;
        Reiter_unter_Zeiger = event->type() == QEvent::HoverLeave
            ? -1
            : Reiter_bei(static_cast<QHoverEvent *>(event)->position().toPoint());
        if (Reiter_unter_Zeiger != vorher)
            update();
        return true;
    }
    case QEvent::ToolTip: {
        auto *Hilfe = static_cast<QHelpEvent *>(event);
        const int i = Reiter_bei(Hilfe->pos());
        if (i >= 0 && !tabToolTip(i).isEmpty())
            QToolTip::showText(Hilfe->globalPos(), tabToolTip(i), this);
        else
            QToolTip::hideText();
        return true;
    }
    default: return QTabBar::event(event);
    }
}

void TReiter_Leiste::paintEvent(QPaintEvent *)
{
    const TReiter_Anordnung A = Reiter_anordnen(Breiten(), Zeilenhoehe(), width(), currentIndex());
    QStylePainter Maler(this);
    const auto Reiter_malen = [&](int i) {
        QStyleOptionTab O;
        initStyleOption(&O, i);
        // The bar stands on the page control's frame; the style gives framed
        // tabs the frame's colour.
        O.features |= QStyleOptionTab::HasFrame;
        const QRect R = A.Reiter.at(i);
        const bool Zeilenanfang = i == 0 || A.Reiter.at(i - 1).y() != R.y();
        const bool Zeilenende = i == count() - 1 || A.Reiter.at(i + 1).y() != R.y();
        O.rect = R;
        O.text = tabText(i);
        O.row = R.y() / std::max(1, Zeilenhoehe());
        O.position = Zeilenanfang && Zeilenende ? QStyleOptionTab::OnlyOneTab
            : Zeilenanfang                      ? QStyleOptionTab::Beginning
            : Zeilenende                        ? QStyleOptionTab::End
                                                : QStyleOptionTab::Middle;
        const int aktiv = currentIndex();
        O.selectedPosition = !Zeilenanfang && aktiv == i - 1 ? QStyleOptionTab::PreviousIsSelected
            : !Zeilenende && aktiv == i + 1                  ? QStyleOptionTab::NextIsSelected
                                                             : QStyleOptionTab::NotAdjacent;
        O.state.setFlag(QStyle::State_MouseOver, i == Reiter_unter_Zeiger);
        Maler.drawControl(QStyle::CE_TabBarTab, O);
    };
    // The current tab last, so it lies over its neighbours as on one row.
    for (int i = 0; i < count(); ++i)
        if (i != currentIndex())
            Reiter_malen(i);
    if (currentIndex() >= 0)
        Reiter_malen(currentIndex());
}

void TReiter_Leiste::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int i = Reiter_bei(event->position().toPoint());
    if (i < 0) {
        event->ignore();
        return;
    }
    emit tabBarClicked(i);
    if (isTabEnabled(i))
        setCurrentIndex(i);
    event->accept();
}

void TReiter_Leiste::mouseReleaseEvent(QMouseEvent *event)
{
    // The tab was chosen on press; there is nothing to drop or drag.
    event->accept();
}

void TReiter_Leiste::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int i = Reiter_bei(event->position().toPoint());
    if (event->button() == Qt::LeftButton && i >= 0)
        emit tabBarDoubleClicked(i);
    event->accept();
}

void TReiter_Leiste::wheelEvent(QWheelEvent *event)
{
    // The wheel scrolls the page around the bar; it does not flip pages.
    event->ignore();
}
