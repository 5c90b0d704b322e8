#pragma once

#include "evaluation/TStatistik.h"

#include <QList>
#include <array>
#include <QStringList>
#include <cstdint>
#include <optional>

// The four category statistics tables are one design; this record holds what
// differs between them, and the functions below decide every text and bar
// value from it. The frames only show what these return.

enum class TKategorie_Bindung
{
    Kategorie_Unterkategorie, // table 1: each operation with each difficulty
    Kategorie,                // table 2: each operation
    Unterkategorie,           // table 3: each difficulty
    alle_Werte                // table 4: everything
};

enum class TEinstellung_Namen
{
    Rechenart_und_Schwierigkeitsgrad,
    Rechenart,
    Schwierigkeitsgrad,
    keine // the setting caption keeps its design-time text
};

struct TKategorie_Tabelle
{
    int Nummer = 1;
    int Zeilenzahl = 0;
    int Spaltenbreite = 0;
    int Spaltenbreite_4 = 0;
    std::array<QStringList, 3> Kopfzeilen;
    // Columns 0 to 2 of every data row as initialising writes them.
    QList<QStringList> Bezeichnungen;
    TKategorie_Bindung Bindung = TKategorie_Bindung::Kategorie_Unterkategorie;
    // Column 2 of the data rows shows the average instead of a fixed text.
    bool mit_Durchschnitt = false;
    // Setting caption, answers caption and answers bar change only when the
    // current setting has answers, and then all three together.
    bool Anzeige_nur_mit_Antworten = false;
    // The points caption and the points bar exist.
    bool mit_Punkte_Anzeige = false;
    TEinstellung_Namen Einstellung_Namen = TEinstellung_Namen::keine;
    QString Einstellung_Caption_Entwurf;
    QString Titel;
    QStringList Beschreibung;
};

inline constexpr int Kategorie_Tabelle_Spalten = 11;
inline constexpr int Kategorie_Tabelle_feste_Zeilen = 3;
inline constexpr int Kategorie_Tabelle_feste_Spalten = 3;
inline constexpr int Kategorie_Tabelle_erste_Datenzeile = 3;

// Nummer 1..4.
const TKategorie_Tabelle &Kategorie_Tabelle(int Nummer);

int Datenzeilen_Anzahl(const TKategorie_Tabelle &K);
// Row of the current setting (Rechenart 1..4, Schwierigkeitsgrad 1..3).
int Zeile_der_Einstellung(const TKategorie_Tabelle &K, int Rechenart, int Schwierigkeitsgrad);
const TStatistik_Werte &Gebundene_Werte(const TKategorie_Tabelle &K, int Zeile, const TStatistik_Speicher &S);

// The texts of columns 3 to 10 of a row bound to W.
QStringList Kategorie_Datenzellen(const TStatistik_Werte &W);
QString Kategorie_Durchschnitt_Text(const TStatistik_Werte &W);
// All eleven cell texts of data row i (0-based) as initialising writes them.
QStringList Kategorie_Zeile_leer(const TKategorie_Tabelle &K, int i);
// All eleven cell texts of a data row after an update.
QStringList Kategorie_Zeile(const TKategorie_Tabelle &K, int Zeile, const TStatistik_Speicher &S);

struct TBalken_Wert
{
    int Maximum = 100;
    int Position = 0;
    friend bool operator==(const TBalken_Wert &, const TBalken_Wert &) = default;
};

// What an update sets; an empty optional leaves the control as it is.
struct TKategorie_Anzeige
{
    std::optional<QString> Einstellung_Caption; // Panel4
    std::optional<QString> Anzahl_Caption;      // Panel3
    std::optional<TBalken_Wert> Anzahl_Balken;
    std::optional<QString> Punkte_Caption;
    std::optional<TBalken_Wert> Punkte_Balken;
};

TKategorie_Anzeige Kategorie_Anzeige(const TKategorie_Tabelle &K, int Rechenart, int Schwierigkeitsgrad,
                                     const TStatistik_Speicher &S);
// What initialising sets (the setting caption is left alone).
TKategorie_Anzeige Kategorie_Anzeige_leer(const TKategorie_Tabelle &K);
