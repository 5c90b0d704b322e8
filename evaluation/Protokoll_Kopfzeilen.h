#pragma once

#include <QStringList>

// The four lines that open every protocol, the last one empty.
QStringList Protokoll_Kopfzeilen();
