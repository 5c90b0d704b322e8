#pragma once

#include "solution_paths/TDlg_Memo_darstellen.h"

// The information window that is actually shown: wider, its own caption,
// focus in the memo.
class TDlg_Memo_darstellen1 : public TDlg_Memo_darstellen
{
    Q_OBJECT
public:
    explicit TDlg_Memo_darstellen1(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
