#include "solution_paths/TAusgabe_Regeln.h"

TAusgabe_Regeln Ausgabe_Regeln(std::uint8_t Loesungsausgabe)
{
    TAusgabe_Regeln Regeln;
    Regeln.Button_loesen_sichtbar = Loesungsausgabe == 1 || Loesungsausgabe == 2;
    Regeln.sofort_loesen = Loesungsausgabe == 0 || Loesungsausgabe == 2;
    Regeln.verdeckt = Loesungsausgabe == 2;
    Regeln.Fokus_wechseln = Regeln.Button_loesen_sichtbar;
    return Regeln;
}
