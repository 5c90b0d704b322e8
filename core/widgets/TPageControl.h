#pragma once

#include "core/widgets/TReiter_Leiste.h"

#include <QWidget>

class QStackedWidget;
class QStyleOptionTabWidgetFrame;

// A page control whose tabs stand on as many rows as the width needs, every
// caption whole (TReiter_Leiste), above a stack of pages; placed, framed and
// measured as the style does a tab widget's parts. Forms declare it as a
// QTabWidget, so the form compiler adds its pages with addTab and captions
// them with setTabText. The page stack is named after the page shown: a
// screen reader says that name, not "layered pane", when the focus enters it.
class TPageControl : public QWidget
{
    Q_OBJECT

public:
    explicit TPageControl(QWidget *parent = nullptr);

    int addTab(QWidget *Seite, const QString &Beschriftung);
    void setTabText(int Index, const QString &Beschriftung);
    QString tabText(int Index) const;
    int count() const;
    int currentIndex() const;
    QWidget *currentWidget() const;
    QWidget *widget(int Index) const;
    int indexOf(const QWidget *Seite) const;
    TReiter_Leiste *tabBar() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setCurrentIndex(int Index);
    void setCurrentWidget(QWidget *Seite);

signals:
    void currentChanged(int Index);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Rahmen_beschreiben(QStyleOptionTabWidgetFrame *Option) const;
    QSize Groesse_um(QStyleOptionTabWidgetFrame *Option, QSize Seiten, QSize Reiter) const;
    void Teile_anordnen();
    void Eigner_benachrichtigen();
    void Seite_zeigen(int Index);

    // Made in this order, the stack before the bar: accessibility and the
    // focus chain list the parts so.
    QStackedWidget *Stapel;
    TReiter_Leiste *Leiste;
    // The frame around the pages, as last placed.
    QRect Blatt;
    // The bar's size when the parts were last placed; the control's minimum
    // size as its owner last heard it.
    QSize Leiste_zuletzt;
    QSize Minimum_zuletzt;
};
