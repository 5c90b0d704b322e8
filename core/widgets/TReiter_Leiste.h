#pragma once

#include <QTabBar>

// The tab bar of the page control: every caption whole, on as many rows as
// the width needs, the current tab's row next to the page. Keys, mouse and
// assistive technology see the tabs where they are drawn.
class TReiter_Leiste : public QTabBar
{
    Q_OBJECT
public:
    explicit TReiter_Leiste(QWidget *parent = nullptr);

    // Where tab Index stands in the bar, at the bar's present width.
    QRect Reiter_Rechteck(int Index) const;
    // The tab under Punkt (bar coordinates), -1 for none.
    int Reiter_bei(QPoint Punkt) const;
    int Zeilen() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QList<int> Breiten() const;
    int Zeilenhoehe() const;
    // The width the owning tab widget gives the bar.
    int Breite_zugeteilt() const;

    int Reiter_unter_Zeiger = -1;
};
