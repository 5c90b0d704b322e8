#pragma once

// Checks, through Qt's accessibility interface, that every control a pupil
// reads or uses has a name that assistive technology can announce. Usable on
// any widget tree, up to the whole main window.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Roles that are operated or carry text of their own; these need a name.
inline bool Zugang_braucht_Namen(QAccessible::Role Rolle)
{
    switch (Rolle) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::ProgressBar:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
    case QAccessible::Graphic: return true;
    default: return false;
    }
}

inline QString Zugang_Bezeichnung(QAccessibleInterface *Element)
{
    QStringList Pfad;
    for (QObject *O = Element->object(); O; O = O->parent())
        Pfad.prepend(O->objectName().isEmpty() ? QString::fromLatin1(O->metaObject()->className()) : O->objectName());
    return Pfad.join(u'/') + QStringLiteral(" (role 0x%1)").arg(int(Element->role()), 0, 16);
}

// A label is text-bearing when it shows something: its value or its text.
inline bool Zugang_Text_ohne_Namen(QAccessibleInterface *Element)
{
    if (Element->role() != QAccessible::StaticText || !Element->text(QAccessible::Name).trimmed().isEmpty())
        return false;
    return !Element->text(QAccessible::Value).trimmed().isEmpty();
}

// One line per control below Wurzel (Wurzel included) without a name.
// Hidden controls are checked too unless nur_sichtbare: a control shown
// later must be named already.
inline QStringList Namenlose_Bedienelemente(QWidget *Wurzel, bool nur_sichtbare = false)
{
    QStringList Fehler;
    QList<QAccessibleInterface *> Offen = {QAccessible::queryAccessibleInterface(Wurzel)};
    while (!Offen.isEmpty()) {
        QAccessibleInterface *Element = Offen.takeFirst();
        if (!Element || !Element->isValid())
            continue;
        if (nur_sichtbare && Element->state().invisible)
            continue;
        const QAccessible::Role Rolle = Element->role();
        const bool namenlos = Element->text(QAccessible::Name).trimmed().isEmpty();
        // Whatever Tab stops at is announced, so it needs a name whatever its role.
        if ((namenlos && (Zugang_braucht_Namen(Rolle) || Element->state().focusable))
            || Zugang_Text_ohne_Namen(Element))
            Fehler << Zugang_Bezeichnung(Element);
        // Cells and items of a view are named by their own texts.
        if (Rolle == QAccessible::Table || Rolle == QAccessible::List || Rolle == QAccessible::Tree)
            continue;
        for (int i = 0; i < Element->childCount(); ++i)
            Offen << Element->child(i);
    }
    return Fehler;
}

// The widgets that Tab visits from Start on, Start first, Anzahl of them.
inline QList<QWidget *> Tab_Weg(QWidget *Start, int Anzahl, Qt::Key Taste = Qt::Key_Tab)
{
    QList<QWidget *> Weg;
    Start->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < Anzahl; ++i) {
        QWidget *Fokus = QApplication::focusWidget();
        Weg << Fokus;
        if (!Fokus)
            break;
        QTest::keyClick(Fokus, Taste, Taste == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return Weg;
}

inline QStringList Objektnamen(const QList<QWidget *> &Widgets)
{
    QStringList Namen;
    for (QWidget *W : Widgets)
        Namen << (W ? W->objectName() : QStringLiteral("<kein Fokus>"));
    return Namen;
}
