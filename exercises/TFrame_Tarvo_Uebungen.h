#pragma once

#include "core/Farben.h"
#include "core/widgets/TListBox.h"
#include "exercises/TUebungs_Ablauf.h"

#include <QFrame>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTextEdit;
class TF_Auswertung;
class TFrame_Auswertung_kurz;
class TPanel;
class TRadioGroup;
class TTasten_Filter;
namespace Ui { class TFrame_Tarvo_Uebungen; }

// The exercise screen: settings, the posed task, the answer field, the
// verdict and both evaluations.
class TFrame_Tarvo_Uebungen : public QFrame
{
    Q_OBJECT
public:
    explicit TFrame_Tarvo_Uebungen(QWidget *parent = nullptr);
    ~TFrame_Tarvo_Uebungen() override;

    QFrame *Panel_1;
    TListBox *ListBox_Rechenart_waehlen;
    TRadioGroup *RadioGroup_Schwierigkeitsgrad;
    QTextEdit *RichEdit_Einstellungen;
    TRadioGroup *RadioGroup_Auswertung;
    QPushButton *Button_Auswertung_reseten;
    QSplitter *Splitter_2;
    QFrame *Panel_2_1;
    TPanel *Panel_2_1_1;
    QLabel *Label_AUFG;
    QLabel *Label_Aufgabenstellung;
    QLineEdit *MaskEdit_Schuelerloesung;
    QLabel *Label_Hinweis;
    TPanel *Panel_2_1_3;
    QTextEdit *RichEdit_Erlaeterungen;
    TFrame_Auswertung_kurz *Frame_Auswertung_kurz1;
    QFrame *Panel_2_2;
    TF_Auswertung *F_Auswertung2;
    // Opens the judged task's solution path; enabled once an answer was judged.
    QAction *A_Rechenweg_zeigen;

    void Uebungen_initialisieren();
    void Einstellungen_uebernehmen(QObject *Sender = nullptr);
    void Neue_Aufgabe();

    // The posed task and the record of the last hand-over, read-only.
    const TEinstellung_Aufgabe &Aufgabe() const { return Ablauf_.Aufgabe(); }
    const TAufgaben_Ergebnis &Aufgaben_Ergebnis() const { return Ablauf_.Aufgaben_Ergebnis(); }

public slots:
    void MaskEdit_SchuelerloesungKeyDown(int Taste, Qt::KeyboardModifiers Umschalttasten);
    void RadioGroup_AuswertungClick();
    void Button_Auswertung_resetenClick();
    void Frame_Auswertung_kurz1Button_Werte_zuruecksetzenClick();
    void A_Rechenweg_zeigenExecute();

signals:
    // The pupil asks for the solution path of the last judged task.
    void Rechenweg_gewuenscht(const TEinstellung_Aufgabe &Aufgabe);

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

    Ui::TFrame_Tarvo_Uebungen *ui;
    TTasten_Filter *Tasten_Filter;
    // The lesson; the detailed evaluation shows its store.
    TUebungs_Ablauf Ablauf_;
};
