#pragma once

#include <QStringList>

// The work instructions of the solution-path page, line by line.
QStringList Arbeitsanweisungen_Zeilen();
