#pragma once

#include "ui_TFrame_Tarvo_Uebungen.h"

#include "core/Farben.h"
#include "core/widgets/TListBox.h"
#include "exercises/TUebungs_Ablauf.h"

#include <QFrame>

class QAction;
class TAnsage;
class TF_Auswertung;
class TTasten_Filter;

// The exercise screen: settings, the posed task, the answer field, the
// verdict and both evaluations. It shows the lesson it is given and passes
// the pupil's input to it.
class TFrame_Tarvo_Uebungen : public QFrame, public Ui::TFrame_Tarvo_Uebungen
{
    Q_OBJECT
public:
    explicit TFrame_Tarvo_Uebungen(TUebungs_Ablauf &Ablauf, QWidget *parent = nullptr);

    // The detailed evaluation of the lesson.
    TF_Auswertung *F_Auswertung2;
    // Opens the judged task's solution path; enabled once an answer was judged.
    QAction *A_Rechenweg_zeigen;

    void Uebungen_initialisieren();
    // The settings as chosen; a change the pupil made is announced.
    void Einstellungen_uebernehmen(bool ansagen);
    void Neue_Aufgabe();
    // The focus into the answer field, with the task beside it and the
    // verdict beneath it scrolled into view: the pupil types at once.
    void Antwortfeld_fokussieren();

    // The posed task and the record of the last hand-over, read-only.
    const TEinstellung_Aufgabe &Aufgabe() const { return Ablauf_.Aufgabe(); }
    const TAufgaben_Ergebnis &Aufgaben_Ergebnis() const { return Ablauf_.Aufgaben_Ergebnis(); }

signals:
    // The pupil asks for the solution path of the last judged task.
    void Rechenweg_gewuenscht(const TEinstellung_Aufgabe &Aufgabe);

public slots:
    void MaskEdit_SchuelerloesungKeyDown(int Taste, Qt::KeyboardModifiers Umschalttasten);
    // A click on the operation or the difficulty.
    void Einstellung_geklickt();
    void RadioGroup_AuswertungClick();
    void F_Auswertung2RadioGroup_Bild_zeigenClick();
    void Button_Auswertung_resetenClick();
    void Frame_Auswertung_kurz1Button_Werte_zuruecksetzenClick();
    void A_Rechenweg_zeigenExecute();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Antwort_bewerten_und_weitergeben();
    // Names, keyboard order and text colours for assistive technology.
    void Zugang_einrichten();
    // Colours the verdict panel and says in words what the colour means.
    void Bewertung_zeigen(TFarbe Farbe, const QString &Vorlese_Text);
    void Aufgabe_zeigen(const TAufgaben_Anzeige &Aufgabe);
    void Rechenweg_freigeben();
    // The reset button at the settings row's end where it fits, else beneath
    // the detailed evaluation's group; moved only when that changes.
    void Einstellungsreihe_anordnen();

    TTasten_Filter *Tasten_Filter;
    // Speaks verdict and next task while the focus stays in the answer field.
    TAnsage *Ansage;
    TUebungs_Ablauf &Ablauf_;
};
