#pragma once

#include "core/Farben.h"

#include <QLabel>

// A panel with a caption and a background colour; child controls may sit on it.
class TPanel : public QLabel
{
    Q_OBJECT
public:
    explicit TPanel(QWidget *parent = nullptr);

    void setCaption(const QString &Caption) { setText(Caption); }
    QString Caption() const { return text(); }
    void setFarbe(TFarbe Farbe);
    TFarbe Farbe() const;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
