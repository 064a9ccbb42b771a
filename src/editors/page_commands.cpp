#include "editors/page_commands.h"

#include "core/settings.h"
#include "editors/editors.h"

namespace quorlin {

void SelectAllReadyMade(Settings &s)
{
    struct Tick {
        const char *box;
        const char *unlessTicked; // the alternative the user may have chosen instead
    };
    // clang-format off
    static const Tick ticks[] = {
        {"Check8", nullptr},  {"Check9", nullptr},  {"Check10", nullptr},   {"Check11", nullptr},
        {"Check12", "Check13"}, {"Check14", "Check15"}, {"Check16", nullptr}, {"Check17", "Check18"},
        {"Check19", nullptr}, {"Check20", "Check21"}, {"Check22", nullptr}, {"Check31", nullptr},
    };
    // clang-format on
    for (const Tick &t : ticks)
        if (!t.unlessTicked || s.check(QString::fromLatin1(t.unlessTicked)) == 0)
            s.setCheck(QString::fromLatin1(t.box), 1);
}

void RestoreDefaults(Settings &s)
{
    ResetUnitPage(s);
    ResetTerrainPage(s);
    ResetLandPage(s);
    // Then the rest of the five pages, to the control table's values, in this
    // order; each runs its reaction, so the elevation, cliff and connection
    // frames close and the zone's border width is disabled again.
    s.reset({
        "Check23", "Text8",   "Text9",                                               // elevation
        "Check24", "Text10",  "Text11",  "Text12",  "Text13",  "Slider8", "Text14",  // cliffs
        "Check25", "Check27", "Check28", "Check26", "Check29",                       // connections
        "Slider1", "Slider2", "Check1",  "Slider3", "Slider4", "Slider5", "Option1", // the players' zones
        "Check30",                                                                   // mixed water
        "Combo1",  "Combo2",  "Combo3",  "Combo8",  "Combo9",  "Combo10", "Combo11", "Combo12", "Combo13", // list texts
    });
}

} // namespace quorlin
