#include "i18n/texttable.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kovolo::i18n {

namespace {

constexpr int languageCount = 6;
constexpr int offsetStep = 1000;

// One base id with its text in the six languages, in the order of `languages`
// (German, English, Spanish, French, Italian, Czech). nullptr: no entry in that language.
struct Row {
    int id;
    std::array<const char*, languageCount> text;
};

constexpr const char* none = nullptr;

// Sorted by base id; only the captions that some window, control, tab or menu item shows.
constexpr std::array rows{
    Row{5,
        {"Frequenzbereich", "Frequency range", "Rango de frecuencias", "Gamme de fréquences",
         "Gamma di frequenze", "Frekvenční rozsah"}},
    Row{6, {"&Neu", "&New", "&Nuevo", "&Nouveau", "&Nuovo", "&Nový"}},
    Row{8, {"Da =", "OD", "De =", "De =", "OD =", "OD ="}},
    Row{11, {"Di =", "ID", "Di =", "Di =", "ID =", "ID = "}},
    Row{18,
        {"Permeabilität", "Permeability", "Permeabilidad", "Perméabilité", "Permeabilità",
         "Permeabilita"}},
    Row{21,
        {"Das zu berechnende Feld muß frei bleiben!", "The field to be calculated must be empty!",
         "¡El campo a calcular debe estar vacío!", "Le champ doit être calculé doit être vide!",
         "Il campo da calcolare deve essere vuota!", "vypočítávané pole musí být prázdné"}},
    Row{33,
        {"Dieser Typ ist nicht verfügbar!", "This type is not available!",
         "¡Ese tipo no está disponible!", "Ce type n'est pas disponible!",
         "Questo tipo non è disponibile!", "Tento typ není dostupný!"}},
    Row{58,
        {"Windungszahl", "Turns", "Número de espiras", "Nombre de spires", "Numero di spire",
         "Počet závitů"}},
    Row{60, {"Länge", "Length", "Longitud", "Longueur", "Lunghezza", "Délka"}},
    Row{61,
        {"Induktivität", "Inductance", "Inductancia", "Inductance", "Induttanza", "Indukčnost"}},
    Row{70, {"Typ", "Type", "Tipo", none, "Tipo", "Typ"}},
    Row{105,
        {"Drahtlänge", "Wire length", "Longitud del hilo", "Longueur du fil", "Lunghezza del filo",
         "Délka drátu"}},
    Row{106,
        {"Windungszahl", "Turns", "Número de espiras", "Nombre de spires", "Numero di spire",
         "Počet závitů"}},
    Row{108, {"Länge", "Length", "Longitud", "Longueur", "Lunghezza", "Délka"}},
    Row{114,
        {"Frequenzbereiche in MHz", "Frequency ranges in MHz", "Rangos de frecuencia en MHz",
         "Gammes de fréquences en MHz", "Gamme di frequenza in MHz", "Frekvenční rozsahy v MHz"}},
    Row{115, {"Resonanz", "Resonance", "Resonancia", "Résonance", "Risonanza", "Rezonance"}},
    Row{116,
        {"Breitband", "Broadband", "Banda ancha", "Large bande", "Banda larga", "Širokopásmové"}},
    Row{117, {"Drossel", "Choke", "Choque", "Self de choc", "Impedenza", "Tlumivka"}},
    Row{133,
        {"Induktivität", "Inductance", "Inductancia", "Inductance", "Induttanza", "Indukčnost"}},
    Row{134,
        {"Windungszahl", "Turns", "Número de espiras", "Nombre de spires", "Numero di spire",
         "Počet závitů"}},
    Row{137,
        {"Drahtlänge", "Wire length", "Longitud del hilo", "Longueur du fil", "Lunghezza del filo",
         "Délka drátu"}},
    Row{138,
        {"max. D (Draht)", "max. D (wire)", "máx. D (hilo)", "max. D (fil)", "max. D (filo)",
         "max. D (drát)"}},
    Row{139,
        {"Windungszahl/Draht berechnen", "Calculate turns/wire", "Calcular espiras/hilo",
         "Calcul spires/fil", "Calcolo spire/filo", "Výpočet závitů/drátu"}},
    Row{141,
        {"bei D (Draht)", "at D (wire)", "con D (hilo)", "pour D (fil)", "con D (filo)",
         "při D (drát)"}},
    Row{142,
        {"Arbeitsfrequenz", "Operating frequency", "Frecuencia de trabajo", "Fréquence de travail",
         "Frequenza di lavoro", "Pracovní kmitočet"}},
    Row{153,
        {"Induktivität", "Inductance", "Inductancia", "Inductance", "Induttanza", "Indukčnost"}},
    Row{156, {"Anwendung", "Application", "Aplicación", "Application", "Applicazione", "Použití"}},
    Row{165, {"Farbe", "Colour", "Color", "Couleur", "Colore", "Barva"}},
    Row{168, {"Al-Wert", "AL value", "Valor AL", "Valeur AL", "Valore AL", "Hodnota AL"}},
    Row{174, {"Länge", "Length", "Longitud", "Longueur", "Lunghezza", "Délka"}},
    Row{175,
        {"Induktivität", "Inductance", "Inductancia", "Inductance", "Induttanza", "Indukčnost"}},
    Row{177,
        {"max. D (Draht)", "max. D (wire)", "máx. D (hilo)", "max. D (fil)", "max. D (filo)",
         "max. D (drát)"}},
    Row{228,
        {"ohne Skin-Effekt", "without skin-effect", "sin efecto pelicular", "sans Skin-effet",
         "senza Skin-effecto", "bez skin efektu"}},
    Row{229,
        {"mit Skin-Effekt", "with skin-effect", "con efecto pelicular", "avec Skin-effet",
         "con skin-effecto", "se skin efektem"}},
    Row{245, {"Widerstand", "Resistance", "Resistencia", none, none, "Odpor"}},
    Row{246, {"Windungen", "Turns", "Espiras", "Spires", "Spire", "Závity"}},
    Row{247,
        {"Induktivität", "Inductance", "Inductancia", "Inductance", "Induttanza", "Indukčnost"}},
    Row{248, {"gewickelt", "wound", "bobinadas", "bobinées", "avvolte", "navinuto"}},
    Row{249, {"gemessen", "measured", "medida", "mesurée", "misurata", "naměřeno"}},
    Row{250, {"bei", "@", "@", "@", "@", "@"}},
    Row{251, {"Da", "OD", "De", "De", "OD", "OD"}},
    Row{252, {"Beschichtung", "Coating", "Recubrimiento", "Revêtement", "Rivestimento", "Povlak"}},
    Row{253, {"Di", "ID", "Di", "Di", "ID", "ID"}},
    Row{255, {"Kovolo", "Kovolo", "Kovolo", none, none, "Kovolo"}},
    Row{256,
        {"Autor: die Kovolo-Entwickler – Freeware für Funkamateure",
         "Author: the Kovolo developers – freeware for radio amateurs",
         "Autor: los desarrolladores de Kovolo – freeware para radioaficionados", none, none,
         "Autor: vývojáři Kovolo – freeware pro radioamatéry"}},
    Row{261,
        {"Eisen&pulver T", "Iron &Powder T", "Polvo&de&Hierro T", "Poudre de fer T",
         "polvere di ferro T", "Železoprachová T"}},
    Row{262, {"&Ferrit FT", "&Ferrite FT", "&Ferrita FT", "Ferrite FT", none, "Feritová FT"}},
    Row{263, {"&SIFERRIT", "&SIFFERIT", "&SIFFERIT", "SIFFERIT", "SIFFERIT", "SIFFERIT"}},
    Row{264,
        {"&unbekannte Kerne", "&Unknown Cores", "&Toroides desconocidos", "Tores inconnus",
         "Cores Unknown", "Neznámá jádra"}},
    Row{265,
        {"&Luftspulen", "&Air Cores", "&Bobinas al aire", "Des bobines à air", "Bobine in aria",
         "Vzduchová jádra"}},
    Row{266,
        {"Ferro&xcube", "Ferro&xcube", "Ferro&xcube", "Ferroxcube", "Ferroxcube", "Ferroxcube"}},
    Row{267, {"&WE Ferrit", "&WE Ferrit", "&WE Ferrita", "WE Ferrit", "WE Ferrit", none}},
    Row{269,
        {" AL aus Permeabilität ermitteln", " AL determine from Permeability",
         " AL cálculo a partir de permeabilidad", " AL déterminer à partir de la Perméabilité",
         " AL determinare da permeabilità", " AL z permeability"}},
    Row{270,
        {"&AL aus Permeabilität", "&AL from Permeability", "&AL a partir de permeabilidad",
         "&AL à partir de la Perméabilité", "&AL da permeabilità", "&AL z permeability"}},
    Row{271, {"&Maßeinheiten", "&Units", "&Unidades", "&Unités", "&Unità", "&Jednotky"}},
    Row{272,
        {"&Umrechnung Inch <-> Meter", "&Metric Conversion", "&Conversión métrica",
         "&Conversion Métrique", "&Conversione metrica", "&metrický převod"}},
    Row{273,
        {"&AL und Permeabilität", "&AL and Permeability", "&AL y permeabilidad",
         "&AL et de Perméabilité", "&AL e permeabilità", "&AL a permeabilita"}},
    Row{274,
        {"&Schwingkreis", "&Resonant Circuit", "&Circuitos resonantes", "&Circuit Résonnant",
         "&Circuito Risonante", "&rezonanční obvody"}},
    Row{275,
        {"&R Cu", "&Cu Resistance", "&Resistencia del hilo", "&Résistance Cu", "&Resistenza Cu",
         "&Cu odpor"}},
    Row{276,
        {"&Sprache (&Language)", "&Language (Sprache)", "&Sprache (&Language)",
         "Langue (&Language)", "Lingua (&Language)", "Jazyk (&Language)"}},
    Row{277, {"&English", none, none, "&English", "&English", none}},
    Row{278,
        {"Deutsch (&German)", "&German (Deutsch)", "&German (Deutsch)", none, none,
         "Němčina (&German)"}},
    Row{279, {"&Hilfe", "&Help", "&Ayuda", "&Aide", "&Aiuto", "&Pomoc"}},
    Row{280, {"Spannung", "Voltage", "Tensión", "Tension", "Tensione", "Napětí"}},
    Row{281, {"&Français", "&Français", "&Français", "&Français", "&francese", none}},
    Row{282,
        {"Kernverluste", "Core losses", "Pérdidas del núcleo", "Pertes du noyau",
         "Perdite nel nucleo", "Ztráty v jádře"}},
    Row{283,
        {"Temperaturanstieg", "Temperature rise", "Aumento de temperatura", "Échauffement",
         "Aumento di temperatura", "Nárůst teploty"}},
    Row{303,
        {" Induktivität berechnen (Zylinderspule) ", " Calculate inductance (cylinder coil) ",
         " Calcular inductancia (bobina cilíndrica) ",
         " Calcul de l'inductance (bobine cylindrique) ",
         " Calcolo induttanza (bobina cilindrica) ", " Výpočet indukčnosti (válcová cívka) "}},
    Row{304,
        {" Windungszahl berechnen (Zylinderspule) ", " Calculate turns (cylinder coil) ",
         " Calcular espiras (bobina cilíndrica) ", " Calcul des spires (bobine cylindrique) ",
         " Calcolo spire (bobina cilindrica) ", " Výpočet počtu závitů (válcová cívka) "}},
    Row{306,
        {" Induktivität aus Windungszahl berechnen ", " Calculate inductance from turns ",
         " Calcular inductancia a partir de espiras ", " Calcul de l'inductance selon les spires ",
         " Calcolo induttanza dal numero di spire ", " Výpočet indukčnosti z počtu závitů "}},
    Row{307,
        {" Induktivität eines geraden Leiters ", " Inductance of a straight conductor ",
         " Inductancia de un conductor recto ", " Inductance d'un conducteur droit ",
         " Induttanza di un conduttore rettilineo ", " Indukčnost přímého vodiče "}},
    Row{309,
        {" Magnetische Formkenngrößen berechnen ", " Calculate magnetic form factors ",
         " Calcular factores de forma magnéticos ", " Calcul des facteurs de forme magnétiques ",
         " Calcolo fattori di forma magnetici ", " Výpočet magnetických tvarových činitelů "}},
    Row{321,
        {"AL-Wert aus Tool", "AL value from tool", "Valor AL de la herramienta",
         "Valeur AL de l'outil", "Valore AL dallo strumento", "Hodnota AL z nástroje"}},
    Row{322,
        {"Abmessungen aus Tool", "Dimensions from tool", "Dimensiones de la herramienta",
         "Dimensions de l'outil", "Dimensioni dallo strumento", "Rozměry z nástroje"}},
    Row{351, {" Kovolo", " Kovolo", " Kovolo", " Kovolo", " Kovolo", "Kovolo"}},
    Row{352,
        {" Schwingkreis-Berechnung", " Calculating Resonant Circuits",
         " Cálculo de circuitos resonantes", " Calcul de Circuits Résonnants",
         " Calcolo circuiti risonanti", "výpočet rezonančního obvodu"}},
    Row{353,
        {" AL und µi ermitteln", " Determine AL and µi", " Determinación de AL y µi",
         " Détermination de l'AL et l'µi", " Determine AL and µi", " Určit AL a µi"}},
    Row{354,
        {" R Cu berechnen", " Resistance of Copper Wire", " Resistencia del hilo de cobre",
         " Résistance de fil de cuivre", " Resistenza di filo di rame", "Odpor měděněho drátu"}},
    Row{355,
        {" Umrechnung Inch (Zoll) <-> Meter", " Metric Conversion", " Conversión métrica",
         " Conversion Métrique", " Conversione metrica", "Metrický převod"}},
    Row{996, {"&Abbrechen", "&Cancel", "&Cancelar", "&annuler", "&cancellare", "zrušit"}},
    Row{998, {"&Drucken", "&Printing", "&Imprimir", "&Impression", "&Stampa", "&Tisk"}},
    Row{999, {"&Beenden", "&Exit", "&Finalizar", "&Sortie", "&Uscita", "&Konec"}},
};

constexpr bool rowsWellFormed()
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].id < 0 || rows[i].id >= offsetStep)
            return false;
        if (i > 0 && rows[i - 1].id >= rows[i].id)
            return false;
    }
    return true;
}
static_assert(rowsWellFormed(), "text table rows must be sorted by unique base ids 0..999");

} // namespace

int languageOffset(std::string_view code)
{
    for (const Language& language : languages) {
        if (code == language.code)
            return language.offset;
    }
    return 0;
}

bool isKnownLanguage(std::string_view code)
{
    return std::any_of(languages.begin(), languages.end(),
                       [code](const Language& language) { return code == language.code; });
}

std::optional<std::string> lookupKey(int key)
{
    if (key < 0 || key >= languageCount * offsetStep)
        return std::nullopt;
    const int baseId = key % offsetStep;
    const int language = key / offsetStep;
    const auto it = std::lower_bound(rows.begin(), rows.end(), baseId,
                                     [](const Row& row, int id) { return row.id < id; });
    if (it == rows.end() || it->id != baseId)
        return std::nullopt;
    const char* text = it->text[static_cast<std::size_t>(language)];
    if (text == nullptr)
        return std::nullopt;
    return std::string(text);
}

std::optional<std::string> lookupText(int baseId, std::string_view code)
{
    // The key is a 16-bit quantity; a sum outside that range names no entry.
    const long long key = static_cast<long long>(baseId) + languageOffset(code);
    if (key < std::numeric_limits<std::int16_t>::min() ||
        key > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return lookupKey(static_cast<int>(key));
}

std::vector<int> storedKeys()
{
    std::vector<int> keys;
    for (int language = 0; language < languageCount; ++language) {
        for (const Row& row : rows) {
            if (row.text[static_cast<std::size_t>(language)] != nullptr)
                keys.push_back(row.id + language * offsetStep);
        }
    }
    return keys;
}

} // namespace kovolo::i18n
