#pragma once

#include <QString>

// The general error report: shows the text in a message box over the active
// window, and the program goes on.
void Fehler_melden(const QString &Text);
