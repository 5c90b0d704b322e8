#pragma once

#include "ui_TF_Auswertung_Tabelle_Kategorie.h"

#include "evaluation/TKategorie_Tabelle.h"

#include <QFrame>
#include <cstdint>

// One design for the four category statistics tables; the configuration
// record says what differs between them. Panel_Punkte_Ueberschrift,
// Panel_Punkte_Progressbar and ProgressBar_Punkte exist only in tables with
// averages; null otherwise.
class TF_Auswertung_Tabelle_Kategorie : public QFrame, public Ui::TF_Auswertung_Tabelle_Kategorie
{
    Q_OBJECT
public:
    void Tabelle_initialisieren();
    // Rewrites the data rows (0-based) listed in geaendert from Zeilen, then selection, captions and bars.
    void Werte_uebernehmen(const QList<QStringList> &Zeilen, const QList<int> &geaendert, std::uint8_t Rechenart,
                           std::uint8_t Schwierigkeitsgrad, const TKategorie_Anzeige &Anzeige);
    // The cell texts of the data rows, in ascending row order, as the grid shows them.
    QList<QStringList> Datenzeilen() const;

    const TKategorie_Tabelle &Konfiguration() const { return m_Konfiguration; }

public slots:
    void StringGrid1Click();

protected:
    TF_Auswertung_Tabelle_Kategorie(const TKategorie_Tabelle &Konfiguration, QWidget *parent);

private:
    void Anzeige_setzen(const TKategorie_Anzeige &Anzeige);

    const TKategorie_Tabelle &m_Konfiguration;
    std::uint8_t m_Rechenart = 0;
    std::uint8_t m_Schwierigkeitsgrad = 0;
};
