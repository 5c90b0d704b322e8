#pragma once

#include <QTabWidget>

class TReiter_Leiste;

// A page control whose tabs stand on as many rows as the width needs, every
// caption whole (TReiter_Leiste); otherwise a QTabWidget.
class TPageControl : public QTabWidget
{
    Q_OBJECT
public:
    explicit TPageControl(QWidget *parent = nullptr);

    TReiter_Leiste *Reiter_Leiste() const;

protected:
    bool event(QEvent *event) override;

private:
    // The bar's size when the parts were last placed; the control's minimum
    // size as its owner last heard it.
    QSize Leiste_zuletzt;
    QSize Minimum_zuletzt;
};
