#include "HelpBalloons.h"

#include "model/PersonalData.h"
#include "msgFrm.h"
#include "platform/Colours.h"

#include <QGuiApplication>
#include <QPainter>

std::optional<HelpBalloonText> helpBalloonFor(const QString &array, int index)
{
    if (array == "Command1") {
        switch (index) {
        case 0:
        case 1:
        case 2:
        case 3: return HelpBalloonText{"Bladeren", "Met deze knoppen kunt u door de verschilldende merken bladeren."};
        case 4: return HelpBalloonText{"Verwijderen", "Met deze knop verwijdert u het huidige merk."};
        case 5:
            return HelpBalloonText{"Overzicht",
                                   "Met deze knop kunt u een overzicht opvragen van alle merken in dit project."};
        case 6: return HelpBalloonText{"Nieuw", "Met deze knop kunt u een nieuw merk aanmaken."};
        }
        return std::nullopt;
    }
    if (array == "Command2") return HelpBalloonText{"Basis vorm", "Met deze knoppen kiest u de basis vorm van het kozijn."};
    if (array == "Command3") {
        if (index != 1) return std::nullopt;
        return HelpBalloonText{"Verzenden", "Met deze knop kunt u de tekeningen verzenden naar de timmerfabriek.\r\n"
                                            "Let op: Het veld mailserver (smtp) moet juist ingevuld zijn !"};
    }
    if (array == "Text1") {
        static const HelpBalloonText mark[FirstPersonalField] = {
            {"Merk", "Hier geeft u het merk op. (bv. A, B, C of 1, 2, 3 etc.)"},
            {"Korte omschrijving", "Hier kunt u een korte omschrijving opgeven. (Optioneel)"},
        };
        if (index >= 0 && index < FirstPersonalField) return mark[index];
        if (index < FirstPersonalField || index > LastPersonalField) return std::nullopt;
        const PersonalField &f = PersonalFields[index - FirstPersonalField];
        return HelpBalloonText{f.label, f.balloon};
    }
    if (array == "Num1") {
        static const HelpBalloonText texts[8] = {
            {"Breedte", "Hier geeft u de breedte van het kozijn op in millimeters."},
            {"Hoogte", "Hier geeft u de hoogte van het kozijn op in millimeters."},
            {"Aantal getekend", "Hier geeft u het aantal benodigde kozijnen op."},
            {"Aantal gespiegeld", "Hier geeft u het aantal gespiegelde kozijnen op."},
            {"Dikte kozijnhout", "Hier geeft u de dikte van het kozijnhout op in millimeters."},
            {"Breedte kozijnhout", "Hier geeft u de breedte van het kozijnhout op in millimeters."},
            {"Dikte tussenstijl", "Hier geeft u de dikte van de tussenstijlen op in millimeters."},
            {"Dikte tussendorpel", "Hier geeft u de dikte van de tussendorpels op in millimeters."},
        };
        if (index < 0 || index > 7) return std::nullopt;
        return texts[index];
    }
    return std::nullopt;
}

void ShowHelpBalloon(const QString &title, const QString &text)
{
    msgFrm::window()->MsgAuto_box(text, 0, title, 20, false, RGB(255, 255, 204), 0, 0, 60);
}

bool helpClick(const QString &array, int index)
{
    if (!HelpPointer::isOn()) return false;
    const std::optional<HelpBalloonText> balloon = helpBalloonFor(array, index);
    if (!balloon) return false;
    HelpPointer::off();
    ShowHelpBalloon(balloon->title, balloon->text);
    return true;
}

namespace HelpPointer {
namespace {
bool on = false;
}

bool isOn() { return on; }

void toggle()
{
    if (on) {
        off();
        return;
    }
    on = true;
    QGuiApplication::setOverrideCursor(Qt::WhatsThisCursor);
}

void off()
{
    if (!on) return;
    on = false;
    QGuiApplication::restoreOverrideCursor();
}
}

void HelpButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter p(this);
    p.setPen(QPen(QColor(212, 208, 200), 1));
    const int w = width(), h = height();
    p.drawPolyline(QPolygon({{4, 4}, {w - 5, 4}, {w - 5, h - 5}, {4, h - 5}, {4, 4}}));
}
