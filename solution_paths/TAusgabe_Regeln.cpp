#include "solution_paths/TAusgabe_Regeln.h"

TAusgabe_Regeln Ausgabe_Regeln(TLoesungsausgabe Loesungsausgabe)
{
    TAusgabe_Regeln Regeln;
    Regeln.Button_loesen_sichtbar = Loesungsausgabe != TLoesungsausgabe::direkt;
    Regeln.sofort_loesen = Loesungsausgabe != TLoesungsausgabe::nicht_direkt;
    Regeln.verdeckt = Loesungsausgabe == TLoesungsausgabe::schrittweise;
    Regeln.Fokus_wechseln = Regeln.Button_loesen_sichtbar;
    return Regeln;
}
