#pragma once

#include <QListWidget>

// A list box whose Click reports every choice the user makes: another item
// by mouse, drag or arrow keys, and also a click, Space or Enter on the item
// already chosen.
// The list always shows its choice: the selected item is the current one,
// whatever the user does (Ctrl+click, drag, Ctrl+arrow keys).
// Programmatic selections are made under a QSignalBlocker.
class TListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit TListBox(QWidget *parent = nullptr);

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Auswahl_halten();

    int Zeile_vor_dem_Druecken = -1;
};
