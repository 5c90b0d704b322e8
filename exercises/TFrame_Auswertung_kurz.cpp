#include "exercises/TFrame_Auswertung_kurz.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "core/Zugang_Texte.h"

#include <QAccessible>

TFrame_Auswertung_kurz::TFrame_Auswertung_kurz(QWidget *parent)
    : QFrame(parent)
{
    setupUi(this);

    setFont(Schrift_Courier_fett(13));
    Hintergrund_setzen(this, Farbe_Silber);
    Panel2->setFarbe(Farbe_Grau);
    for (QLineEdit *Feld : {Edit_Anzahl_gestellter_Aufgaben, Edit_richtig_geloester_Aufgaben,
                            Edit_falsch_geloester_Aufgaben, Edit_Prozentzahl}) {
        Feld->setFixedWidth(70);
        Feld->setFocusPolicy(Qt::NoFocus);
    }
    Grundfarbe_setzen(Edit_richtig_geloester_Aufgaben, Farbe_Hellgruen);
    Grundfarbe_setzen(Edit_falsch_geloester_Aufgaben, Werte_.Farbe_falsch());

    // Each box is read out with its label.
    const QList<std::pair<QLabel *, QLineEdit *>> Paare = {{Label1, Edit_Anzahl_gestellter_Aufgaben},
                                                           {Label2, Edit_richtig_geloester_Aufgaben},
                                                           {Label3, Edit_falsch_geloester_Aufgaben},
                                                           {Label4, Edit_Prozentzahl}};
    for (const auto &[Beschriftung, Feld] : Paare) {
        Beschriftung->setBuddy(Feld);
        Feld->setAccessibleName(Vorlese_Text(Beschriftung->text()));
    }
    Schriftfarbe_setzen(this, QPalette::WindowText, Farbe_Silber);
    Schriftfarbe_setzen(Panel2, QPalette::WindowText, Farbe_Grau);
    // Red, silver and light green all take black text.
    Schriftfarbe_setzen(Edit_richtig_geloester_Aufgaben, QPalette::Text, Farbe_Hellgruen);
    Schriftfarbe_setzen(Edit_falsch_geloester_Aufgaben, QPalette::Text, Farbe_Rot);

    connect(Button_Werte_zuruecksetzen, &QPushButton::clicked, this, &TFrame_Auswertung_kurz::Zuruecksetzen_geklickt);
    anzeigen();
}

void TFrame_Auswertung_kurz::Werte_zeigen(const TAuswertung_kurz_Werte &Werte)
{
    Werte_ = Werte;
    anzeigen();
}

void TFrame_Auswertung_kurz::anzeigen()
{
    const QList<std::pair<QLineEdit *, QString>> Werte = {{Edit_Anzahl_gestellter_Aufgaben, Werte_.Text_gestellt()},
                                                          {Edit_richtig_geloester_Aufgaben, Werte_.Text_richtig()},
                                                          {Edit_falsch_geloester_Aufgaben, Werte_.Text_falsch()},
                                                          {Edit_Prozentzahl, Werte_.Text_Prozent()}};
    for (const auto &[Feld, Text] : Werte) {
        if (Feld->text() == Text)
            continue;
        Feld->setText(Text);
        // A reader that follows these boxes hears the new count.
        QAccessibleValueChangeEvent Ereignis(Feld, Text);
        QAccessible::updateAccessibility(&Ereignis);
    }
    Grundfarbe_setzen(Edit_falsch_geloester_Aufgaben, Werte_.Farbe_falsch());
}
