#pragma once

#include <QSize>

class QDialog;
class QPushButton;
class QTextEdit;

// The build the imprint and the error message window share: a silver window
// without title-bar buttons, a grey heading strip, a silver text, a grey
// footer strip and OK, all in the fixed-pitch font.
void Vier_Felder_gestalten(QDialog *Dialog, QSize Groesse, QTextEdit *Kopf, QTextEdit *Text, QTextEdit *Fuss,
                           QPushButton *OK);
