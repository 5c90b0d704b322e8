#include "core/widgets/TText_mit_Aktionen.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTextCursor>

#include <memory>

namespace {

// The box's text as the default text-box interface gives it, and the box's
// enabled actions beside its own "set focus".
class TText_mit_Aktionen_Zugang : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit TText_mit_Aktionen_Zugang(TText_mit_Aktionen *Feld)
        : QAccessibleWidget(Feld, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType Art) override
    {
        if (Art == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(Art);
    }

    QString text(QAccessible::Text Art) const override
    {
        if (Art == QAccessible::Value)
            return Feld()->toPlainText();
        return QAccessibleWidget::text(Art);
    }

    QAccessible::State state() const override
    {
        QAccessible::State Zustand = QAccessibleWidget::state();
        Zustand.selectableText = true;
        Zustand.multiLine = true;
        if (Feld()->isReadOnly())
            Zustand.readOnly = true;
        else
            Zustand.editable = true;
        return Zustand;
    }

    QStringList actionNames() const override
    {
        QStringList Namen = QAccessibleWidget::actionNames();
        for (const QAction *Aktion : Feld()->actions())
            if (Aktion->isEnabled())
                Namen << Aktion->text();
        return Namen;
    }
    QString localizedActionName(const QString &Name) const override
    {
        return eigene_Aktion(Name) ? Name : QAccessibleWidget::localizedActionName(Name);
    }
    QString localizedActionDescription(const QString &Name) const override
    {
        return eigene_Aktion(Name) ? Name : QAccessibleWidget::localizedActionDescription(Name);
    }
    void doAction(const QString &Name) override
    {
        if (QAction *Aktion = eigene_Aktion(Name))
            Aktion->trigger();
        else
            QAccessibleWidget::doAction(Name);
    }

    // Read-only access is all a reader needs; the selection is the cursor's.
    QString text(int Anfang, int Ende) const override { return Feld()->toPlainText().mid(Anfang, Ende - Anfang); }
    int characterCount() const override { return int(Feld()->toPlainText().size()); }
    int cursorPosition() const override { return Feld()->textCursor().position(); }
    void setCursorPosition(int Stelle) override { setSelection(0, Stelle, Stelle); }
    int selectionCount() const override { return Feld()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int Nummer, int *Anfang, int *Ende) const override
    {
        const QTextCursor Cursor = Feld()->textCursor();
        *Anfang = Nummer == 0 && Cursor.hasSelection() ? Cursor.selectionStart() : 0;
        *Ende = Nummer == 0 && Cursor.hasSelection() ? Cursor.selectionEnd() : 0;
    }
    void addSelection(int Anfang, int Ende) override { setSelection(0, Anfang, Ende); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int Anfang, int Ende) override
    {
        QTextCursor Cursor = Feld()->textCursor();
        Cursor.setPosition(qBound(0, Anfang, characterCount()));
        Cursor.setPosition(qBound(0, Ende, characterCount()), QTextCursor::KeepAnchor);
        Feld()->setTextCursor(Cursor);
    }
    QRect characterRect(int Stelle) const override
    {
        QTextCursor Cursor = Feld()->textCursor();
        Cursor.setPosition(qBound(0, Stelle, characterCount()));
        QRect Rechteck = Feld()->cursorRect(Cursor);
        const QString Zeichen = text(Stelle, Stelle + 1);
        Rechteck.setWidth(Feld()->fontMetrics().horizontalAdvance(Zeichen.isEmpty() ? QStringLiteral(" ") : Zeichen));
        return Rechteck.translated(Feld()->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint &Punkt) const override
    {
        return Feld()->cursorForPosition(Feld()->viewport()->mapFromGlobal(Punkt)).position();
    }
    void scrollToSubstring(int Anfang, int) override
    {
        setCursorPosition(Anfang);
        Feld()->ensureCursorVisible();
    }
    QString attributes(int, int *Anfang, int *Ende) const override
    {
        *Anfang = 0;
        *Ende = characterCount();
        return QString();
    }

private:
    TText_mit_Aktionen *Feld() const { return static_cast<TText_mit_Aktionen *>(widget()); }
    QAction *eigene_Aktion(const QString &Name) const
    {
        for (QAction *Aktion : Feld()->actions())
            if (Aktion->isEnabled() && Aktion->text() == Name)
                return Aktion;
        return nullptr;
    }
};

QAccessibleInterface *Zugang_Fabrik(const QString &Klasse, QObject *Objekt)
{
    if (Klasse == QLatin1String("TText_mit_Aktionen"))
        if (auto *Feld = qobject_cast<TText_mit_Aktionen *>(Objekt))
            return new TText_mit_Aktionen_Zugang(Feld);
    return nullptr;
}

} // namespace

TText_mit_Aktionen::TText_mit_Aktionen(QWidget *parent)
    : QTextEdit(parent)
{
    // Qt adds a factory once, however often it is installed.
    QAccessible::installFactory(Zugang_Fabrik);
}

void TText_mit_Aktionen::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> Menue(createStandardContextMenu(event->pos()));
    if (!actions().isEmpty()) {
        Menue->addSeparator();
        Menue->addActions(actions());
    }
    Menue->exec(event->globalPos());
}
