#pragma once

#include "core/TEinstellung_Aufgabe.h"
#include "solution_paths/TLoesungsschritt_Daten.h"

#include <QList>

// Rows 2 to 4 of the solution path of a posed task, in display order.
// Only Aufgabe.Ueberschrift is written: it holds the heading of the last row,
// so building the same task again gives the same rows.
QList<TLoesungsschritt_Daten> Loesungsweg_bauen(TEinstellung_Aufgabe &Aufgabe);
