#pragma once

#include <QListWidget>

// A list box whose Click reports every choice the user makes: another item
// by mouse, drag or keyboard, and also a click on the item already chosen.
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

private:
    int Zeile_vor_dem_Druecken = -1;
};
