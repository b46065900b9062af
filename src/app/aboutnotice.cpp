#include "app/aboutnotice.h"

#include <cmath>

namespace kovolo {

std::vector<std::string> distributionNoticeLines(std::string_view code)
{
    if (code == "deutsch")
        return {"Achtung: Dieses Programm ist Freeware für Funkamateure.",
                "Es wird ohne jede Gewährleistung zur Verfügung gestellt.",
                "Es darf unverändert und kostenlos weitergegeben werden;",
                "ein Verkauf oder Vertrieb gegen Entgelt ist nicht erlaubt."};
    if (code == "span")
        return {"Attention!: Este programa es freeware para radioaficionados.",
                "Se ofrece sin ninguna garantía.",
                "Puede copiarse y entregarse a otros libremente,",
                "siempre sin modificaciones y de forma gratuita.", "No está permitido venderlo."};
    if (code == "franz")
        return {"Attention: Ce programme est un logiciel gratuit pour les radioamateurs.",
                "Il est fourni sans aucune garantie.", "Il peut être transmis à d'autres,",
                "sans modification et gratuitement.", "Toute vente est interdite."};
    if (code == "ital")
        return {"Attenzione: Questo programma è freeware per i radioamatori.",
                "Viene fornito senza alcuna garanzia.",
                "Può essere distribuito solo senza modifiche e gratuitamente;",
                "ne è vietata la vendita."};
    if (code == "cz")
        return {"Pozor!: Tento program je freeware pro radioamatéry, bez jakékoli záruky.",
                "Smí být předáván dál jen v nezměněné podobě a zdarma.",
                "Prodej programu není dovolen."};
    return {"Attention!: This program is freeware for radio amateurs.",
            "It comes without any warranty.", "It may be passed on unchanged and free of charge;",
            "selling it or distributing it for money is not allowed."};
}

std::string distributionNotice(std::string_view code, const std::string& lineBreak,
                               const std::string& indent)
{
    std::string text;
    bool first = true;
    for (const std::string& line : distributionNoticeLines(code)) {
        if (!first)
            text += lineBreak + indent;
        text += line;
        first = false;
    }
    return text;
}

int noticeIndentBlanks(double warningWidth, double blankWidth)
{
    if (!(blankWidth > 0) || !(warningWidth > 0))
        return 0;
    return static_cast<int>(std::trunc(warningWidth / blankWidth));
}

} // namespace kovolo
