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

    // A clickable panel is also a keyboard control: it takes the focus with
    // Tab (never with a mouse click), Space or Enter click it, and assistive
    // technology sees a button.
    void setKlickbar(bool klickbar);
    bool Klickbar() const { return m_klickbar; }

    // A caption is cut where the panel is narrower, as on a classic panel:
    // its length never widens the window.
    QSize minimumSizeHint() const override;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_klickbar = false;
};
