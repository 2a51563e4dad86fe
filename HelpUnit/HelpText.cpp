#include "HelpUnit/Internal/HelpText.h"

namespace HelpUnit {

const char* const HelpText = R"(--- ÚVOD:

Tessel je program pro kreslení grafů funkcí dvou proměnných Y = F(X, Z). Po zadání
funkčního předpisu a jeho nastavení program vyčíslí funkci pro zvolený počet dvojic
parametrů (X, Z) a výsledky zobrazí na obrazovce jako body v trojrozměrném prostoru.
Pohled na tyto body lze potom libovolně měnit: otáčet jím, přibližovat ho i vzdalovat.
Barva každého bodu udává jeho výšku Y podle stupnice, kterou ukazuje legenda.

--- POPIS OVLÁDACÍCH PRVKŮ:

- 'Y = F(X, Z) = ': funkční předpis. Povolené symboly jsou: číselné konstanty
(s desetinnou tečkou a s kladným i záporným exponentem, např. 1.5e-3; záporná čísla
je nutné psát v závorkách, např. 2*(-3)); operátory '+', '-', '*' a '/', které mají
všechny stejnou prioritu a vyhodnocují se zleva doprava, takže '5+3*2' a '(5+3)*2'
jsou totéž; závorky, které se vyhodnocují přednostně; funkce 'sin(...)', 'cos(...)',
'exp(...)', 'asin(...)', 'acos(...)', 'loge(...)' (přirozený logaritmus), 'fac(...)'
(faktoriál; fac(1)=fac(-4)=1, fac(3.8)=fac(3)=6), 'sqrt(...)' a 'abs(...)'; a konečně
písmena 'X' a 'Z' (nebo 'x' a 'z'), která zastupují parametry.

- 'X Interval: From', 'X Interval: To', 'Z Interval: From', 'Z Interval: To':
intervaly, ze kterých se berou hodnoty parametrů X a Z.

- 'Y Interval: From', 'Y Interval: To': rozsah výsledků, které se v grafu zobrazí.
Hodí se tehdy, když jsou některé výsledky příliš velké a graf by byl nepřehledný.

- 'Number of points to show': počet dvojic (X, Z), pro které se funkce vyčíslí. Čím
více bodů, tím déle trvá výpočet i kreslení a tím více paměti je potřeba (24 bajtů
na bod), graf však vypadá lépe.

- 'Square order' a 'Random order': při náhodném uspořádání ('Random order') se dvojice
parametrů vybírají z daných intervalů náhodně. Při čtvercovém uspořádání ('Square
order') leží dvojice v (téměř) čtvercové mřížce, a jejich počet proto může být větší
než 'Number of points to show'. Skutečný počet bodů je uveden v legendě v pravém
dolním rohu hlavního okna.

- 'Calculate results': spustí výpočet. Teprve potom je možné graf zobrazit.

- 'Horizontal angle' a 'Vertical angle': úhly pohledu v radiánech. Svislý úhel musí
ležet v otevřeném intervalu (-PI/2; PI/2), což je dáno omezením 3D jádra programu.

- 'Distance' a 'Min->': vzdálenost místa pohledu od počátku [0, 0, 0]. Musí být větší
než mez, která závisí na nastavení funkce, jinak by se některý bod grafu mohl dostat
za místo pohledu a obraz by byl chybný. Tlačítko 'Min->' nastaví nejmenší přípustnou
vzdálenost.

- 'Zoom': zvětšení obrazu.

- 'Camera': pasivní zobrazení souřadnic místa pohledu, které vyplývají z obou úhlů
a ze vzdálenosti.

- 'Show undefined results': je-li zaškrtnuto, dvojice, pro které funkce není
definována (dělení nulou, odmocnina ze záporného čísla a podobně), se vykreslí jako
bílé body v místě [X, 0, Z].

- 'Use Z-Buffer': paměť, která si pro každý bod obrazu pamatuje hloubku bodu, jenž
je v něm zobrazen. Skryje body v pozadí a vzdálené body ztmaví, takže trojrozměrný
dojem je výraznější. Cenou za to je pomalejší kreslení a asi o 816 kB více paměti.

- '3D outline axises': je-li zaškrtnuto, šipky os X a Z v náčrtku os (dole uprostřed
hlavního okna) se kreslí v perspektivě a jejich délka se mění podle pohledu.

--- ZÁVĚR:

Při zkoumání funkce doporučujeme tento postup: nejprve zobrazte graf s malým počtem
bodů, pomocí skupiny 'Graph-View settings' najděte nejlepší pohled, potom výpočet
zopakujte s větším počtem bodů a nakonec zapněte Z-buffer ('Use Z-Buffer'). Tak se
vhodný pohled najde rychle a na podrobný a kvalitní obraz se čeká jen jednou.
)";

}  // namespace HelpUnit
