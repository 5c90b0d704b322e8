#include "core/widgets/TAnsage.h"

#include <QAccessibleWidget>

namespace {

// The name is read from the widget on demand: setting the accessible name
// would send a name change, which some screen readers cannot digest.
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
    hide();
}

void TAnsage::Ansagen(const QString &Text)
{
    if (Text.isEmpty())
        return;
    m_Text = Text;
    // Only the change to shown is presented, so a second text hides first.
    hide();
    show();
}
