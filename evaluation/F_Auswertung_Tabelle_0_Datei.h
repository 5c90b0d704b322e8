#pragma once

#include "ui_F_Auswertung_Tabelle_0_Datei.h"

#include "evaluation/TStatistik.h"

#include <QFrame>

// The basic-values table: one row per exercise sequence.
class TF_Auswertung_Tabelle_0 : public QFrame, public Ui::TF_Auswertung_Tabelle_0
{
    Q_OBJECT
public:
    explicit TF_Auswertung_Tabelle_0(QWidget *parent = nullptr);

    void Tabelle_initialisieren();
    void Tabelle_zuruecksetzen(bool mit_Hinweis);
    void Werte_uebernehmen(const TAuswertungs_Listenwerte_0 &Listenwerte);

    const TAuswertungs_Listenwerte_0 &Listenwerte() const { return m_Listenwerte; }

public slots:
    void StringGrid_Auswertung_0Click();

private:
    void Datenzeilen_leeren();
    void Captions_leer_setzen();
    void Werte_darstellen();
    int aktuelle_Zeile() const;

    TAuswertungs_Listenwerte_0 m_Listenwerte;
};
