#pragma once

#include <QString>
#include <QWidget>

// Speaks a text through the screen reader without taking the focus and
// without anything on the screen: an empty widget that assistive technology
// sees as a notification. Built against Qt 6.8 or later it sends Qt's
// announcement event; before that, screen readers present a notification
// when it is shown, whatever has the focus. A changed name or description of
// a control is not spoken on every desktop.
class TAnsage : public QWidget
{
    Q_OBJECT
public:
    explicit TAnsage(QWidget *parent);

    // Spoken at once; an empty text is not spoken. Nothing is spoken while
    // the parent is hidden (a page not shown has nothing to say).
    void Ansagen(const QString &Text);
    // The last text spoken, read as the notification's name.
    QString Text() const { return m_Text; }

private:
    QString m_Text;
};
