#pragma once

#include <QTextEdit>

class QContextMenuEvent;

// A text box whose own actions (QWidget::addAction) are offered below the
// standard entries of its context menu and to assistive technology as
// actions of the box; a disabled action is shown greyed and not offered.
class TText_mit_Aktionen : public QTextEdit
{
    Q_OBJECT
public:
    explicit TText_mit_Aktionen(QWidget *parent = nullptr);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
};
