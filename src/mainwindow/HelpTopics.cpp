#include "HelpTopics.h"

#include <QStringList>

namespace {
QString lines(const QStringList &l) { return l.join("\r\n"); }
}

HelpTopicText mainhelpTopic()
{
    return {"Kozijnen tekenen", 8250, 8000,
            lines({
                "Dit is het hoofdscherm van Zandrel Tofmaar.",
                "",
                "Als eerste dient u het merk in te vullen bv. 1, 2, 3 etc.",
                "Tevens kunt u een korte omschrijving opgeven (Optioneel)",
                "Vervolgens geeft u de breedte en de hoogte op van het kozijn.",
                "Geef daarna aan hoeveel kozijnen u nodig heeft + het aantal gespiegelde.",
                "U kunt de houtsoort van het kozijn en de afmetingen van het kozijnhout aangeven.",
                "Door het Weerstand klasse 2 vakje aan te vinken weet de timmerfabriek dat "
                "het moet voldoen aan weerstands klasse 2 volgens het bouw besluit, ook wel "
                "bekend het als Politie Keurmerk Veilig Wonen.",
                "",
                "Onderaan kunt u een keuze maken uit de vormen die aangegeven zijn.",
                "Als u een vorm aanklikt komt u in het volgende scherm. Dit is de basisvorm. "
                "Bij de meeste vormen kan er in het volgende scherm uit meerdere sub-vormen gekozen worden.",
                "",
                "Aan de rechter kant kunt u uw gegevens invullen. Klantnummer niet invullen, indien u geen "
                "bedrijfsnaam heeft hier particulieren invullen.",
                "Bij e-mail adres vult u uw eigen e-mail adres in en bij Mailserver (smtp) vult u uw uitgaande "
                "mailserver in. "
                "Raadpleeg uw provider gegevens (meestal: mail.uw provider.nl) of "
                "kijk bij 'servers' bij de 'Account-gegevens' van uw huidige e-mail programma",
                "",
                "De menu keuze 'Nieuw' betekent dat alles wordt verwijdert en er een nieuwe "
                "file wordt geopend. Eerst wordt gevraagd of u het huidige bestand wilt opslaan.",
                "",
                "Met de menu keuze 'Open' kunt een bestand open. U wordt gevraagd een "
                "bestand te selecteren. Het bestand wordt geopend en vervolgens kunt "
                "u de tekening aanpassen.",
                "",
                "Met de menu keuze 'Opslaan/Opslaan als' kunt u uw werk opslaan.",
                "Bij opslaan als kunt u zelf een naam op geven.",
                "",
                "Alle keuzes die u kunt maken, zoals bijv. type kozijnhout, vakvullingen, kozijnkleur, "
                "type roosters, hoogte borstweringen worden door de timmerfabriek bepaald.",
                "",
                "U kunt met F1 het hulpvenster oproepen.",
            })};
}

HelpTopicText subVormHelpTopic()
{
    return {"Vormkeuze en dagmaten", 6800, 4500,
            lines({
                "Bij de meeste vormen kunt u bovenaan het scherm nog sub-vormen "
                "kiezen door op de knoppen te klikken.",
                "",
                "In de invoer velden kunt u de dagmaten opgeven van de tekening.",
                "Als er velden niet zijn ingevuld dan worden die automatisch ingevuld.",
                "",
                "Als u de dagmaten heeft opgegeven klikt u op de knop 'vakvulling' om "
                "de vakken te voorzien van een raam, deur, glas of paneel.",
            })};
}

HelpTopicText tekenFormHelpTopic()
{
    return {"Vakvulling opgeven", 8250, 5700,
            lines({
                "Hier kunt u de verschillende vakken vullen met een deur, raam, glasvak of paneel.",
                "",
                "U kunt een vak kiezen door in het vak te klikken of bij 'Vaknummer' een vak op te geven."
                "Het geselecteerde vak wordt gearceerd.",
                "",
                "Tevens kunt u de kleur, spouwlatten en onderdorpel kiezen van het kozijn.",
                "Onderaan kunt u keuze maken uit een deur, raam, glasvak of paneel.",
                "Vervolgens kunt u een geschikte deur, raam enz. kiezen.",
                "",
                "U kunt een vakvulling wissen door op de knop met het rode kruis te klikken.",
                "",
                "Bij opmerkingen kunt u eventueel aanvullende informatie opgeven.",
                "Als alles correct is ingevuld drukt u op de knop Ok om een volgende tekening te maken, "
                "of om de tekeningen te verzenden naar uw timmerfabriek.",
            })};
}

HelpTopicText subVakkenHelpTopic()
{
    return {"Subvakken opgeven", 8000, 6200,
            lines({
                "Als u gekozen hebt voor een raam of deur kunt u hier de draairichting opgeven. "
                "U kunt ook voor een vast raam/deur kiezen.",
                "Als u voor glas gekozen hebt, kunt u kiezen tussen binnen- of buitenbeglazing.",
                "",
                "Vervolgens kunt u uit de lijst een type rooster kiezen. Als u gekozen hebt "
                "voor een stolpraam/deur kunt u kiezen of u het rooster in het linkse- of rechtse vak "
                "wilt, of in beide vakken.",
                "",
                "Ook kunt u hier het aantal horizontale en vertikale roeden opgeven. (maximaal 9)",
                "Als u gekozen hebt voor een tweevaks deur kunt u aangeven of u de roeden in het "
                "bovenste, onderste of in beide vakken wilt. "
                "Als het opplak roeden moeten zijn kunt u dat aanvinken.",
                "",
                "Ook de hoogte van de evt. borstwering kunt u kiezen uit de lijst.",
                "",
                "Tot slot kunt u aangeven of het vak uitgevoerd moet worden met hardglas.",
            })};
}

HelpLayout helpLayoutFor(int W, int H, int buttonWidth)
{
    HelpLayout l;
    l.textWidth = W - 400;
    l.hasTextWidth = l.textWidth >= 0;
    l.textHeight = H - 1660;
    l.hasTextHeight = l.textHeight >= 0;
    l.buttonLeft = (W - buttonWidth) / 2;
    l.buttonTop = H - 850;
    return l;
}
