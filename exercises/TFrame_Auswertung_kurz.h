#pragma once

#include "ui_TFrame_Auswertung_kurz.h"

#include "exercises/TAuswertung_kurz_Werte.h"

#include <QFrame>

// The short evaluation under the task column: answers, right, wrong, percentage.
// It shows the lesson's counts; a click on its button is announced by
// Zuruecksetzen_geklickt(), and the owner decides what it resets.
class TFrame_Auswertung_kurz : public QFrame, public Ui::TFrame_Auswertung_kurz
{
    Q_OBJECT
public:
    explicit TFrame_Auswertung_kurz(QWidget *parent = nullptr);

    // The lesson's counts, shown as they are.
    void Werte_zeigen(const TAuswertung_kurz_Werte &Werte);
    const TAuswertung_kurz_Werte &Werte() const { return Werte_; }

signals:
    void Zuruecksetzen_geklickt();

private:
    void anzeigen();

    TAuswertung_kurz_Werte Werte_;
};
