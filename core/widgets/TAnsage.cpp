#include "core/widgets/TAnsage.h"

#include <QAccessibleWidget>

namespace {

// The name is read from the widget on demand, so it is the last text spoken
// whenever a screen reader asks.
class TAnsage_Zugang : public QAccessibleWidget
{
public:
    explicit TAnsage_Zugang(TAnsage *Ansage)
        : QAccessibleWidget(Ansage, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const TAnsage *>(widget())->Text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *Ansage_Zugang_erzeugen(const QString &Klasse, QObject *Objekt)
{
    if (Klasse == QLatin1String(TAnsage::staticMetaObject.className()) && Objekt)
        return new TAnsage_Zugang(static_cast<TAnsage *>(Objekt));
    return nullptr;
}

} // namespace

TAnsage::TAnsage(QWidget *parent)
    : QWidget(parent)
{
    // Installed before any interface of this widget is asked for; a factory
    // already installed is not added twice.
    QAccessible::installFactory(Ansage_Zugang_erzeugen);
    setObjectName(QStringLiteral("Ansage"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Outside every layout and without area: nothing on the screen changes.
    setGeometry(0, 0, 0, 0);
}

void TAnsage::Ansagen(const QString &Text)
{
    if (Text.isEmpty() || !isVisible())
        return;
    m_Text = Text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's own announcement: the screen reader speaks the text it carries,
    // without a role before it.
    QAccessibleAnnouncementEvent Ansage(this, Text);
    QAccessible::updateAccessibility(&Ansage);
#else
    // Screen readers cache an object's name: the change is announced first,
    // or the next show repeats the previous text.
    QAccessibleEvent Name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&Name);
    // The screen reader presents a notification when it turns to shown, so
    // each text is announced as hidden, then shown again. The widget itself
    // stays shown: hiding it would lay out the whole page anew every time.
    QAccessibleEvent Weg(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&Weg);
    QAccessibleEvent Da(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&Da);
#endif
}
