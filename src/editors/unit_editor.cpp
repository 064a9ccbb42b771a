#include "editors/editors.h"

#include "core/numbers.h"
#include "core/settings.h"
#include "core/ui_text.h"

namespace quorlin {

ObjectArgs UnitArgs(const Settings &s)
{
    auto valueOf = [&](const char *field) { return ReadNumber(s.text(QString::fromLatin1(field))); };
    ObjectArgs a;
    a.a1 = valueOf("Text6");
    a.a2 = valueOf("Text7");
    // Without a distance from the players both distance lines are left out.
    const bool distances = s.isOne(QStringLiteral("Check32"));
    a.a3 = distances ? valueOf("Text3") : -1;
    a.a4 = distances ? valueOf("Text4") : -1;
    a.a5 = s.isOne(QStringLiteral("Check4")) ? valueOf("Text5") : -1;
    if (s.isOne(QStringLiteral("Check5"))) {
        if (s.option(QStringLiteral("Option11")))
            a.a6 = QStringLiteral("紧");
        else if (s.option(QStringLiteral("Option12")))
            a.a6 = QStringLiteral("松");
    }
    a.a7 = s.check(QStringLiteral("Check6"));
    a.a8 = s.check(QStringLiteral("Check7"));
    a.a9 = -1;
    a.a10 = -1;
    a.a11 = valueOf("Text15");
    a.a12 = s.isOne(QStringLiteral("Check37")) ? valueOf("Text17") : 0;
    return a;
}

Outcome AddUnit(Settings &s, ItemStore &units, qint64 &xn)
{
    const QString name = s.text(QStringLiteral("Label55"));
    if (StripBlanks(name).isEmpty())
        return Refusal{Ui::tr("注意"), Ui::tr("请选择单位。"), MessageIcon::Warning};
    if (units.isFull())
        return Refusal{Ui::tr("错误"), Ui::tr("你添加的单位太多了。"), MessageIcon::Error};

    units.add(name, MakeObjectBlock(name, UnitArgs(s), xn));
    ResetUnitPage(s);
    return {};
}

void ResetUnitPage(Settings &s)
{
    // The values come from the control table.
    s.reset({"Label55", "Text6", "Text7", "Text15", "Text3", "Text4", "Text5", "Check4", "Check5", "Check6", "Check7",
             "Check32", "Option11", "Text17", "Check37"});
}

} // namespace quorlin
