// The control rules: enabled and shown states, the terrain list swap, the
// exclusive pairs, the value labels, "全部选择" and "恢复默认".
#include <QtTest>

#include "core/scripted_dialogs.h"
#include "core/settings.h"
#include "names/terrain_names.h"
#include "wizard/wizard_model.h"

using namespace quorlin;

namespace {

const QStringList kReadyMade = {"Check8",  "Check9",  "Check10", "Check11", "Check12", "Check13", "Check14", "Check15",
                                "Check16", "Check17", "Check18", "Check19", "Check20", "Check21", "Check22", "Check31"};

void Set(WizardModel &m, const QStringList &assignments)
{
    for (const QString &a : assignments) {
        const int eq = a.indexOf(QLatin1Char('='));
        const QString error = m.setValue(a.left(eq), a.mid(eq + 1));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
}

QStringList Ticked(const WizardModel &m)
{
    QStringList on;
    for (const QString &box : kReadyMade)
        if (m.settings().check(box))
            on << box + QLatin1Char('=') + QString::number(m.settings().check(box));
    return on;
}

} // namespace

class RulesTest : public QObject {
    Q_OBJECT

private slots:
    void dependantsFollowTheirTrigger_data();
    void dependantsFollowTheirTrigger();
    void innerConnectionFramesIgnoreTheOuterBox();
    void terrainListSwap();
    void exclusivePairs_data();
    void exclusivePairs();
    void valueLabels_data();
    void valueLabels();
    void selectAllReadyMade_data();
    void selectAllReadyMade();
    void restoreDefaults();
    void resetPutsBackTheStartValue();
};

void RulesTest::dependantsFollowTheirTrigger_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QStringList>("dependants");
    QTest::addColumn<bool>("show"); // a show rule rather than an enable rule

    for (const char *rule : {"Check33 Frame2", "Check1 Combo3", "Check34 Combo16", "Check35 Text16", "Check36 Combo17",
                             "Check32 Text3 Text4", "Check4 Text5", "Check5 Option11 Option12", "Check37 Text17",
                             "+Check23 Frame10", "+Check24 Frame11", "+Check25 Frame12", "+Check26 Frame15",
                             "+Check27 Frame16", "+Check28 Frame18", "+Check29 Frame19"}) {
        QStringList words = QString::fromLatin1(rule).split(QLatin1Char(' '));
        const bool show = words[0].startsWith(QLatin1Char('+'));
        const QString trigger = words.takeFirst().remove(QLatin1Char('+'));
        QTest::newRow(qPrintable(trigger)) << trigger << words << show;
    }
}

void RulesTest::dependantsFollowTheirTrigger()
{
    QFETCH(QString, trigger);
    QFETCH(QStringList, dependants);
    QFETCH(bool, show);
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    const auto state = [&](const QString &d) { return show ? m.isVisible(d) : m.isEnabled(d); };

    // The start-up state agrees with the trigger's default.
    const bool byDefault = m.settings().check(trigger) != 0;
    for (const QString &d : dependants)
        QCOMPARE(state(d), byDefault);

    // Every non-zero value counts as ticked here, grey included; the values of the
    // dependants themselves never change.
    const QString before = m.settings().toString(QStringLiteral("Text3"));
    for (int value : {1, 0, 2, 0, 2, 1}) {
        QVERIFY(m.setCheck(trigger, value));
        for (const QString &d : dependants)
            QVERIFY2(state(d) == (value != 0), qPrintable(QStringLiteral("%1 at %2").arg(d).arg(value)));
    }
    QCOMPARE(m.settings().toString(QStringLiteral("Text3")), before);
}

void RulesTest::innerConnectionFramesIgnoreTheOuterBox()
{
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    QVERIFY(m.setCheck(QStringLiteral("Check25"), 1));
    for (const char *frame : {"Frame15", "Frame16", "Frame18", "Frame19"})
        QVERIFY(!m.isVisible(QString::fromLatin1(frame)));
    QVERIFY(m.setCheck(QStringLiteral("Check27"), 1));
    QVERIFY(m.isVisible(QStringLiteral("Frame16")));
    QVERIFY(m.setCheck(QStringLiteral("Check25"), 0));
    QVERIFY(!m.isVisible(QStringLiteral("Frame12")));
    QVERIFY(m.isVisible(QStringLiteral("Frame16"))); // seen only while its outer frame is too

    // Clearing the zone box disables the zone frame but not the base terrain; ticking
    // it again finds every value as it was.
    Set(m, {"Slider1=30", "Combo2=雪", "Check33=0"});
    QVERIFY(!m.isEnabled(QStringLiteral("Frame2")));
    QVERIFY(m.isEnabled(QStringLiteral("Combo1")));
    Set(m, {"Check33=1"});
    QVERIFY(m.isEnabled(QStringLiteral("Frame2")));
    QCOMPARE(m.settings().slider(QStringLiteral("Slider1")), 30);
    QCOMPARE(m.settings().text(QStringLiteral("Combo2")), QStringLiteral("雪"));
}

void RulesTest::terrainListSwap()
{
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    QVERIFY(m.isVisible(QStringLiteral("Combo4")) && !m.isVisible(QStringLiteral("Combo5")));
    Set(m, {"Combo4=冰", "Option6=true"});
    QVERIFY(!m.isVisible(QStringLiteral("Combo4")) && m.isVisible(QStringLiteral("Combo5")));
    QVERIFY(!m.settings().option(QStringLiteral("Option5")));
    Set(m, {"Option5=true"});
    QVERIFY(m.isVisible(QStringLiteral("Combo4")) && !m.isVisible(QStringLiteral("Combo5")));
    QCOMPARE(m.settings().text(QStringLiteral("Combo4")), QStringLiteral("冰"));

    // With neither option chosen (only a command line can do that) the list
    // shown is the one an add reads.
    Set(m, {"Option5=false"});
    QVERIFY(!m.isVisible(QStringLiteral("Combo4")) && m.isVisible(QStringLiteral("Combo5")));
    m.addTerrain();
    QCOMPARE(m.terrains().line(0), QStringLiteral("森林"));
}

void RulesTest::exclusivePairs_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("sheep, turkey") << "Check12"
                                   << "Check13";
    QTest::newRow("boar, javelina") << "Check14"
                                    << "Check15";
    QTest::newRow("wolf, jaguar") << "Check17"
                                  << "Check18";
    QTest::newRow("hawk, macaw") << "Check20"
                                 << "Check21";
}

void RulesTest::exclusivePairs()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    const Settings &s = m.settings();
    const auto both = [&] { return qMakePair(s.check(first), s.check(second)); };

    m.setCheck(first, 1);
    QCOMPARE(both(), qMakePair(1, 0));
    m.setCheck(second, 1); // ticking the partner clears the box ticked before
    QCOMPARE(both(), qMakePair(0, 1));
    m.setCheck(first, 1);
    QCOMPARE(both(), qMakePair(1, 0));
    m.setCheck(first, 0);
    QCOMPARE(both(), qMakePair(0, 0));

    // A grey box neither clears its partner nor is cleared by it.
    m.setCheck(first, 2);
    m.setCheck(second, 1);
    QCOMPARE(both(), qMakePair(2, 1));
    m.setCheck(second, 0);
    m.setCheck(second, 2);
    m.setCheck(first, 1);
    QCOMPARE(both(), qMakePair(1, 2));

    // Other ready-made boxes are not touched.
    QCOMPARE(Ticked(m).size(), 2);
}

void RulesTest::valueLabels_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("atStart");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Slider1") << "Slider1"
                             << "Label4"
                             << "50%" << 100 << "100%";
    QTest::newRow("Slider2") << "Slider2"
                             << "Label6"
                             << "10" << 8 << "8";
    QTest::newRow("Slider4") << "Slider4"
                             << "Label12"
                             << "5" << 40 << "40";
    QTest::newRow("Slider6") << "Slider6"
                             << "Label20"
                             << "8%" << 0 << "0%";
    QTest::newRow("Slider7") << "Slider7"
                             << "Label22"
                             << "30%" << 31 << "31%";
    QTest::newRow("Slider10") << "Slider10"
                              << "Label67"
                              << "5" << 0 << "0";
    QTest::newRow("Slider12") << "Slider12"
                              << "Label72"
                              << "10" << 30 << "30";
    QTest::newRow("Slider13") << "Slider13"
                              << "Label71"
                              << "20%" << 35 << "35%";
}

void RulesTest::valueLabels()
{
    QFETCH(QString, slider);
    QFETCH(QString, label);
    QFETCH(QString, atStart);
    QFETCH(int, value);
    QFETCH(QString, caption);
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    QCOMPARE(m.caption(label), atStart);
    QVERIFY(m.setSlider(slider, value));
    QCOMPARE(m.caption(label), caption);
    // A refused value leaves slider and label alone.
    QVERIFY(!m.setSlider(slider, 101));
    QCOMPARE(m.caption(label), caption);
}

void RulesTest::selectAllReadyMade_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    const QStringList firsts = {"Check8=1",  "Check9=1",  "Check10=1", "Check11=1", "Check12=1", "Check14=1",
                                "Check16=1", "Check17=1", "Check19=1", "Check20=1", "Check22=1", "Check31=1"};
    QTest::newRow("nothing ticked") << QStringList() << firsts;
    QTest::newRow("turkey ticked") << QStringList{
        "Check13=1"} << QStringList{"Check8=1",  "Check9=1",  "Check10=1", "Check11=1", "Check13=1", "Check14=1",
                                    "Check16=1", "Check17=1", "Check19=1", "Check20=1", "Check22=1", "Check31=1"};
    QTest::newRow("every partner ticked")
        << QStringList{"Check13=1", "Check15=1", "Check18=1", "Check21=1"}
        << QStringList{"Check8=1",  "Check9=1",  "Check10=1", "Check11=1", "Check13=1", "Check15=1",
                       "Check16=1", "Check18=1", "Check19=1", "Check21=1", "Check22=1", "Check31=1"};
    // A grey partner still counts as chosen; a grey box of its own is set to 1.
    QTest::newRow("grey boxes") << QStringList{"Check13=2", "Check8=2", "Check12=2"}
                                << QStringList{"Check8=1",  "Check9=1",  "Check10=1", "Check11=1", "Check12=2",
                                               "Check13=2", "Check14=1", "Check16=1", "Check17=1", "Check19=1",
                                               "Check20=1", "Check22=1", "Check31=1"};
}

void RulesTest::selectAllReadyMade()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    Set(m, before);
    QVERIFY(m.click(QStringLiteral("Command5")));
    QCOMPARE(Ticked(m), after);
    QVERIFY(m.click(QStringLiteral("Command5")));
    QCOMPARE(Ticked(m), after);
}

void RulesTest::restoreDefaults()
{
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    m.setDate(QStringLiteral("D"));
    // Items in every store, a built script, then settings changed all over.
    Set(m, {"Slider12=25", "Combo17=6"});
    for (const char *button : {"Command21", "Command4"})
        QVERIFY(m.click(QString::fromLatin1(button)));
    Set(m, {"Label55=7"});
    QVERIFY(m.click(QStringLiteral("Command6")));
    for (int i = 0; i < 5; ++i)
        m.next();
    const QString script = m.script();

    // clang-format off
    const QStringList changed = {
        // unit, terrain and land frames
        "Label55=骑士", "Text6=1", "Text15=2", "Text7=3", "Check32=0", "Text3=0", "Text4=0", "Check4=1", "Text5=8",
        "Check5=1", "Option12=true", "Check6=0", "Check7=1", "Check37=1", "Text17=5",
        "Option6=true", "Slider6=55", "Text2=1", "Text1=1", "Check2=0", "Check3=1", "Slider7=3", "Combo4=冰",
        "Combo5=竹林", "Combo14=雪",
        "Combo15=沙漠", "Slider13=70", "Combo16=宽", "Check34=1", "Slider11=1", "Slider9=2", "Slider10=3",
        "Text16=4", "Check35=1", "Check36=1",
        // page 4 and the zones
        "Check23=1", "Text8=99", "Text9=9", "Check24=1", "Text10=1", "Text11=2", "Text12=3", "Text13=4",
        "Slider8=90", "Text14=6", "Check25=1", "Check26=1", "Check27=1", "Check28=1", "Check29=2",
        "Slider1=10", "Slider2=20", "Check1=1", "Slider3=30", "Slider4=40", "Slider5=15", "Option3=true",
        "Check30=1", "Combo1=", "Combo2=雪", "Combo3=宽", "Combo8=3", "Combo9=冰", "Combo10=宽", "Combo11=中",
        "Combo12=宽", "Combo13=中",
    };
    // clang-format on
    const QStringList kept = {"Check33=0",    "Check8=1",      "Check13=1",     "Check21=2", "Option14=true",
                              "Option8=true", "Option19=true", "Option10=true", "Combo6=4",  "Combo7=1"};
    Set(m, changed);
    Set(m, kept);
    QVERIFY(m.isVisible(QStringLiteral("Frame10")));
    const QString keptSlider12 = m.settings().toString(QStringLiteral("Slider12"));
    const ItemStore lands = m.lands(), terrains = m.terrains(), units = m.units();
    const qint64 xn = m.xn();
    const bool saved = m.isSaved();

    QVERIFY(m.click(QStringLiteral("Command14")));

    const Settings defaults;
    for (const QString &a : changed) {
        const QString name = a.section(QLatin1Char('='), 0, 0);
        QVERIFY2(m.settings().toString(name) == defaults.toString(name), qPrintable(name));
    }
    for (const QString &a : kept) {
        const QString name = a.section(QLatin1Char('='), 0, 0);
        QVERIFY2(m.settings().toString(name) == a.section(QLatin1Char('='), 1), qPrintable(name));
    }
    QCOMPARE(m.settings().toString(QStringLiteral("Slider12")), keptSlider12);
    QCOMPARE(m.settings().text(QStringLiteral("Combo17")), QStringLiteral("6"));
    QVERIFY(m.lands() == lands && m.terrains() == terrains && m.units() == units);
    QCOMPARE(m.xn(), xn);
    QCOMPARE(m.page(), 5);
    QCOMPARE(m.script(), script);
    QCOMPARE(m.isSaved(), saved);

    // The rules ran for every value put back.
    for (const char *frame : {"Frame10", "Frame11", "Frame12", "Frame15", "Frame16", "Frame18", "Frame19"})
        QVERIFY2(!m.isVisible(QString::fromLatin1(frame)), frame);
    for (const char *field : {"Combo3", "Combo16", "Text16", "Combo17", "Text5", "Option11", "Text17"})
        QVERIFY2(!m.isEnabled(QString::fromLatin1(field)), field);
    QVERIFY(m.isEnabled(QStringLiteral("Text3")) && m.isVisible(QStringLiteral("Combo4")));
    QVERIFY(!m.isEnabled(QStringLiteral("Frame2")));
    QCOMPARE(m.caption(QStringLiteral("Label4")), QStringLiteral("50%"));
    QCOMPARE(m.caption(QStringLiteral("Label6")), QStringLiteral("10"));
    QCOMPARE(m.caption(QStringLiteral("Label12")), QStringLiteral("5"));
    QCOMPARE(m.caption(QStringLiteral("Label72")), QStringLiteral("25"));
}

void RulesTest::resetPutsBackTheStartValue()
{
    // Every control, moved away from its start-up value and reset, leaves the
    // whole settings as they started; a button of an option group chooses the
    // group's start-up button again.
    const Settings start;
    for (const ControlDef &def : ControlTable()) {
        const QString name = QString::fromLatin1(def.name);
        QString other;
        switch (def.kind) {
        case ControlKind::Check: other = start.check(name) ? QStringLiteral("0") : QStringLiteral("2"); break;
        case ControlKind::Option: other = start.option(name) ? QStringLiteral("false") : QStringLiteral("true"); break;
        case ControlKind::Slider: other = QString::number(start.slider(name) == def.min ? def.max : def.min); break;
        case ControlKind::ClosedList: other = ListEntries(name).constLast(); break;
        default: other = start.text(name) + QStringLiteral("x"); break;
        }
        Settings s;
        QVERIFY2(s.setFromString(name, other).isEmpty() && s != start, def.name);
        QVERIFY2(s.reset(name) && s == start, def.name);
    }
    Settings s;
    QVERIFY(!s.reset(QStringLiteral("Slider99")));
    QVERIFY(s == start);
}

QTEST_GUILESS_MAIN(RulesTest)

#include "test_rules.moc"
