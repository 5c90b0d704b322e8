#pragma once

#include <QString>
#include <stdexcept>

class QTextDocument;
class QTextEdit;

// Thrown when nothing could be printed; its German text is shown to the
// user by the application's general error report.
class TDruck_Fehler : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Prints the document as one job on the system's default printer, without a
// printer dialog; the job title names the job and is not printed.
void Dokument_drucken(const QTextDocument &Dokument, const QString &Auftragsname);
// The box's text with its own formatting and font.
void Text_drucken(const QTextEdit *Box, const QString &Auftragsname);
