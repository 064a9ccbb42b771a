#include "editors/page_commands.h"

#include "editors/editors.h"
#include "core/settings.h"

namespace quorlin {

void SelectAllReadyMade(Settings &s)
{
    struct Tick {
        const char *box;
        const char *unlessTicked; // the alternative the user may have chosen instead
    };
    static const Tick ticks[] = {
        {"Check8", nullptr},  {"Check9", nullptr},  {"Check10", nullptr},   {"Check11", nullptr},
        {"Check12", "Check13"}, {"Check14", "Check15"}, {"Check16", nullptr}, {"Check17", "Check18"},
        {"Check19", nullptr}, {"Check20", "Check21"}, {"Check22", nullptr}, {"Check31", nullptr},
    };
    for (const Tick &t : ticks)
        if (!t.unlessTicked || s.check(QString::fromLatin1(t.unlessTicked)) == 0)
            s.setCheck(QString::fromLatin1(t.box), 1);
}

void RestoreDefaults(Settings &s)
{
    ResetUnitPage(s);
    ResetTerrainPage(s);
    ResetLandPage(s);
    struct Put {
        const char *name;
        const char *value;
    };
    // In the order the values are put back; each runs its rule as a user's change would.
    static const Put puts[] = {
        {"Check23", "0"}, {"Text8", "12"}, {"Text9", "1000"},
        {"Check24", "0"}, {"Text10", "4"}, {"Text11", "10"}, {"Text12", "5"}, {"Text13", "11"},
        {"Slider8", "20"}, {"Text14", "5"},
        {"Check25", "0"}, {"Check27", "0"}, {"Check28", "0"}, {"Check26", "0"}, {"Check29", "0"},
        {"Slider1", "50"}, {"Slider2", "10"}, {"Check1", "0"}, {"Slider3", "10"}, {"Slider4", "5"},
        {"Slider5", "8"}, {"Option1", "true"},
        {"Check30", "0"},
        {"Combo1", "草1"}, {"Combo2", "草1"}, {"Combo3", "窄"}, {"Combo8", "7"}, {"Combo9", "草1"},
        {"Combo10", "窄"}, {"Combo11", "窄"}, {"Combo12", "窄"}, {"Combo13", "窄"},
    };
    for (const Put &p : puts)
        s.setFromString(QString::fromLatin1(p.name), QString::fromUtf8(p.value));
}

} // namespace quorlin
