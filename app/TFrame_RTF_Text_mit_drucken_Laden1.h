#pragma once

#include "app/TFrame_RTF_Text_mit_drucken_Laden.h"

// The document frame holding the information document about integer arithmetic.
class TFrame_RTF_Text_mit_drucken_Laden1 : public TFrame_RTF_Text_mit_drucken_Laden
{
    Q_OBJECT
public:
    explicit TFrame_RTF_Text_mit_drucken_Laden1(QWidget *parent = nullptr);
};
