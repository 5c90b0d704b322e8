#include "core/widgets/TPanel.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/Zugang_Texte.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

namespace {

// A panel reads out as text, or as a button while it can be clicked.
class TPanel_Zugang : public QAccessibleWidget
{
public:
    explicit TPanel_Zugang(TPanel *Panel)
        : QAccessibleWidget(Panel, QAccessible::StaticText)
    {
    }

    TPanel *Panel() const { return static_cast<TPanel *>(widget()); }

    QAccessible::Role role() const override
    {
        if (Panel()->Klickbar())
            return QAccessible::Button;
        if (Panel()->text().isEmpty() && !Panel()->pixmap().isNull())
            return QAccessible::Graphic;
        return QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        QString Text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && Text.isEmpty())
            Text = Vorlese_Text(Panel()->text());
        // A panel with a name of its own still lets its caption be read.
        if (t == QAccessible::Value && Text.isEmpty() && !Panel()->accessibleName().isEmpty())
            Text = Vorlese_Text(Panel()->text());
        return Text;
    }

    QStringList actionNames() const override
    {
        if (Panel()->Klickbar())
            return {pressAction()};
        return QAccessibleWidget::actionNames();
    }

    void doAction(const QString &Aktion) override
    {
        if (Aktion == pressAction() && Panel()->Klickbar())
            emit Panel()->Click();
        else
            QAccessibleWidget::doAction(Aktion);
    }
};

QAccessibleInterface *Zugang_Fabrik(const QString &Klasse, QObject *Objekt)
{
    if (Klasse == QLatin1String("TPanel"))
        if (auto *Panel = qobject_cast<TPanel *>(Objekt))
            return new TPanel_Zugang(Panel);
    return nullptr;
}

} // namespace

TPanel::TPanel(QWidget *parent)
    : QLabel(parent)
{
    // Qt adds a factory once, however often it is installed.
    QAccessible::installFactory(Zugang_Fabrik);

    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setFarbe(Farbe_Silber);
}

void TPanel::setCaption(const QString &Caption)
{
    setText(Caption);
    Hoehe_anpassen();
}

QRect TPanel::Textflaeche() const
{
    // As QLabel places its text: inside the frame, indented on the aligned side.
    QRect Innen = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::Alignment Lage = QStyle::visualAlignment(layoutDirection(), alignment());
    const int Einzug =
        indent() < 0 && frameWidth() ? fontMetrics().horizontalAdvance(u'x') / 2 - margin() : std::max(indent(), 0);
    if (Lage & Qt::AlignLeft)
        Innen.setLeft(Innen.left() + Einzug);
    if (Lage & Qt::AlignRight)
        Innen.setRight(Innen.right() - Einzug);
    return Innen;
}

void TPanel::Hoehe_anpassen()
{
    // A panel holding controls is laid out by them.
    if (layout() || text().isEmpty())
        return;
    if (m_Entwurfshoehe < 0)
        m_Entwurfshoehe = minimumHeight();
    const QRect Innen = Textflaeche();
    const QRect Bedarf =
        fontMetrics().boundingRect(QRect(0, 0, Innen.width(), QWIDGETSIZE_MAX),
                                   int(alignment() & ~Qt::AlignVertical_Mask) | Qt::TextWordWrap, text());
    const int Hoehe = std::max(m_Entwurfshoehe, Bedarf.height() + height() - Innen.height());
    if (minimumHeight() != Hoehe || maximumHeight() != Hoehe)
        setFixedHeight(Hoehe);
}

void TPanel::setFarbe(TFarbe Farbe)
{
    Hintergrund_setzen(this, Farbe);
}

TFarbe TPanel::Farbe() const
{
    return Hintergrund(this);
}

void TPanel::setKlickbar(bool klickbar)
{
    if (m_klickbar == klickbar)
        return;
    m_klickbar = klickbar;
    // Tab only: a mouse click leaves the focus where the user had it.
    setFocusPolicy(klickbar ? Qt::TabFocus : Qt::NoFocus);
    QAccessible::State Geaendert;
    Geaendert.focusable = true;
    QAccessibleStateChangeEvent Ereignis(this, Geaendert);
    QAccessible::updateAccessibility(&Ereignis);
    update();
}

QSize TPanel::minimumSizeHint() const
{
    QSize Groesse = QLabel::minimumSizeHint();
    if (!text().isEmpty())
        Groesse.setWidth(layout() ? layout()->totalMinimumSize().width() : 2 * frameWidth());
    return Groesse;
}

void TPanel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    Hoehe_anpassen();
}

void TPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit Click();
    QLabel::mousePressEvent(event);
}

void TPanel::keyPressEvent(QKeyEvent *event)
{
    const int Taste = event->key();
    if (m_klickbar && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && (Taste == Qt::Key_Space || Taste == Qt::Key_Return || Taste == Qt::Key_Enter)) {
        emit Click();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TPanel::paintEvent(QPaintEvent *event)
{
    if (pixmap().isNull()) {
        // Wrapped here, not by QLabel: a wrapping QLabel asks every layout
        // above it for its height at each width, after every new caption.
        QPainter Maler(this);
        drawFrame(&Maler);
        style()->drawItemText(&Maler, Textflaeche(),
                              int(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextWordWrap,
                              palette(), isEnabled(), text(), foregroundRole());
    } else {
        QLabel::paintEvent(event);
    }
    // The only visible change a keyboard user needs: where the focus is.
    if (m_klickbar && hasFocus()) {
        QStylePainter Maler(this);
        QStyleOptionFocusRect Option;
        Option.initFrom(this);
        Option.rect = contentsRect().adjusted(2, 2, -2, -2);
        Option.backgroundColor = palette().color(QPalette::Window);
        Maler.drawPrimitive(QStyle::PE_FrameFocusRect, Option);
    }
}
