#pragma once

#include "core/Drucksatz.h"

#include <QString>

// Prints the lines (the same lines as the saved file) as one job on the
// default printer, on the pages Box_als_PDF_setzen sets, without a printer
// dialog; the job title names the job and is not printed. Returns an empty
// text when the spooler took the job, otherwise what the pupil is told
// about why it did not.
[[nodiscard]] QString Text_drucken(const TAusgabe_Text &Text, const QString &Auftragsname);

// Prints as Text_drucken does; a failure is shown through the general error
// report, here where the print was started.
void Text_drucken_mit_Fehlerbericht(const TAusgabe_Text &Text, const QString &Auftragsname);
