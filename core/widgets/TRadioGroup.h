#pragma once

#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QMouseEvent;
class QRadioButton;
class QVBoxLayout;

// A captioned group of radio buttons addressed by item index. Each item is
// a whole row of the group: a click anywhere on it chooses it.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget *parent = nullptr);

    void setItems(const QStringList &Items);
    QStringList Items() const;
    int ItemIndex() const;
    // Selects without emitting Click, as a programmatic selection does.
    void setItemIndex(int Index);
    QRadioButton *Button(int Index) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

signals:
    // Once for every choice the user makes: by mouse, by key, or by an
    // accessibility action that checks an item; also for a click on the item
    // already chosen. Never for setItemIndex.
    void Click();

private:
    QAbstractButton *Zeile_bei(int y) const;
    void an_Zeile_weitergeben(QAbstractButton *Knopf, QMouseEvent *event);

    QButtonGroup *Gruppe;
    QVBoxLayout *Anordnung;
    QAbstractButton *Gedrueckte_Zeile = nullptr;
    bool im_Programm = false;
    bool Wahl_gemeldet = false;
};
