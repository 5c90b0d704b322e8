#pragma once

#include "ui_TF_Tarvo_Loesungsweg.h"

#include "core/TEinstellung_Aufgabe.h"

#include <QStringList>
#include <QWidget>

class TF_Tarvo_Loesungsschritt;
struct TLoesungsschritt_Daten;

// The task row and up to three solution rows, stacked at the top of a
// scroll area; hidden rows take no space.
class TF_Tarvo_Loesungsweg : public QWidget, public Ui::TF_Tarvo_Loesungsweg
{
    Q_OBJECT
public:
    explicit TF_Tarvo_Loesungsweg(QWidget *parent = nullptr);

    // The explanation of the row last built.
    QStringList Memo1;
    // The posed task the rows are built from.
    TEinstellung_Aufgabe Aufgabe;

    void Aufgabe_uebernehmen(const TEinstellung_Aufgabe &Aufgabe_neu);
    void Loesungsweg_loeschen();
    void Loesungsschritte_loeschen();
    // Builds the rows from the stored copy, so a repeated build shows the
    // task that was handed over.
    void Loesungsweg_anzeigen();
    void Schritthoehe_setzen(int Hoehe);
    TF_Tarvo_Loesungsschritt *Schritt(int Nummer) const;

private:
    void Schritt_zeigen(const TLoesungsschritt_Daten &Daten);
    void Nach_oben_scrollen();
};
