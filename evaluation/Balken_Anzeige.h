#pragma once

class QProgressBar;

// Sets a progress bar's range and position. A maximum of 0 means "nothing
// answered yet": it is shown as an empty bar, not as Qt's busy indicator.
void Balken_setzen(QProgressBar *Balken, int Maximum, int Position);
