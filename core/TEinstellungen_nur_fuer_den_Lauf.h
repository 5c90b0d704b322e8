#pragma once

#include <QTemporaryDir>

// Qt's own widgets keep state in the user's settings (the save dialog its
// history, last folder and view). On a shared school account the next pupil
// would see it; the program keeps nothing between runs. While an object of
// this class lives, the user scope of QSettings points into a temporary
// folder outside the home folder, removed with the object.
class TEinstellungen_nur_fuer_den_Lauf
{
public:
    TEinstellungen_nur_fuer_den_Lauf();
    ~TEinstellungen_nur_fuer_den_Lauf();
    TEinstellungen_nur_fuer_den_Lauf(const TEinstellungen_nur_fuer_den_Lauf &) = delete;
    TEinstellungen_nur_fuer_den_Lauf &operator=(const TEinstellungen_nur_fuer_den_Lauf &) = delete;

private:
    QTemporaryDir Ordner;
};
