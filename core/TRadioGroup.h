#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

// A captioned group of radio buttons addressed by item index.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget *parent = nullptr);

    void setItems(const QStringList &Items);
    QStringList Items() const;
    int ItemIndex() const;
    // Selects without emitting Click, as a programmatic selection does.
    void setItemIndex(int Index);
    QRadioButton *Button(int Index) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // Only a user's click on an item.
    void Click();

private:
    QButtonGroup *Gruppe;
    QVBoxLayout *Anordnung;
};
