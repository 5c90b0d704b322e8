#pragma once

#include <QObject>

// Delivers every key press of the watched control with its key code and held
// modifiers (Shift, Ctrl, Alt only) before the control handles it; the key is
// passed on, not swallowed.
class TTasten_Filter : public QObject
{
    Q_OBJECT
public:
    explicit TTasten_Filter(QObject *parent = nullptr);

signals:
    void Taste_gedrueckt(int Taste, Qt::KeyboardModifiers Umschalttasten);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
