#pragma once

#include "core/Farben.h"

#include <QLabel>

// A panel with a caption and a background colour; child controls may sit on it.
class TPanel : public QLabel
{
    Q_OBJECT
public:
    explicit TPanel(QWidget *parent = nullptr);

    void setCaption(const QString &Caption);
    QString Caption() const { return text(); }
    void setFarbe(TFarbe Farbe);
    TFarbe Farbe() const;

    // A clickable panel is also a keyboard control: it takes the focus with
    // Tab (never with a mouse click), Space or Enter click it, and assistive
    // technology sees a button.
    void setKlickbar(bool klickbar);
    bool Klickbar() const { return m_klickbar; }

    // A caption longer than the panel is wide goes on to further lines: it
    // never widens the window and is never cut.
    QSize minimumSizeHint() const override;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The panel is as high as its design or as its wrapped caption needs, a
    // fixed height that changes only with the number of lines: a new caption
    // of as many lines does not ask the window for a new layout.
    void Hoehe_anpassen();
    QRect Textflaeche() const;

    bool m_klickbar = false;
    int m_Entwurfshoehe = -1;
};
