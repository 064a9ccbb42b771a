// The wizard model: the three lists with their stores, the running X number,
// the pages, the script and its saved state.
#include <QtTest>

#include "core/scripted_dialogs.h"
#include "wizard/wizard_model.h"

using namespace quorlin;

namespace {

struct ListKind {
    const char *list, *field, *add, *selectAll, *selectNone, *remove, *tooMany;
};
const ListKind kLands = {"Lst0", "Combo15", "Command21", "Command18", "Command19", "Command20", "你添加的陆地太多了。"};
const ListKind kTerrains = {"Lst1", "Combo4", "Command4", "Command7", "Command12", "Command13", "你添加的地形太多了。"};
const ListKind kUnits = {"Lst2", "Label55", "Command6", "Command9", "Command11", "Command10", "你添加的单位太多了。"};

QString S(const char *text) { return QString::fromUtf8(text); }

// Adds an item whose name (and so its line, and part of its block) is `name`.
void Add(WizardModel &m, const ListKind &kind, const QString &name)
{
    QVERIFY(m.setValue(S(kind.field), name).isEmpty());
    QVERIFY(m.click(S(kind.add)));
}

QList<int> Selected(const ItemStore &store)
{
    QList<int> on;
    for (int i = 0; i < store.count(); ++i)
        if (store.isSelected(i))
            on << i;
    return on;
}

} // namespace

Q_DECLARE_METATYPE(const ListKind *)

class ModelTest : public QObject {
    Q_OBJECT

private slots:
    void deleteSelectedLines_data();
    void deleteSelectedLines();
    void hundredItemsAtMost_data() { deleteSelectedLines_data(); }
    void hundredItemsAtMost();
    void unitNumbersAreNeverReused();
    void pagesAndStartOver();
};

void ModelTest::deleteSelectedLines_data()
{
    QTest::addColumn<const ListKind *>("kind");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("lands") << &kLands << QStringList{S("沙漠"), S("雪"), S("冰"), S("草2")};
    QTest::newRow("terrains") << &kTerrains << QStringList{S("海滩"), S("雪"), S("冰"), S("荒芜农田")};
    QTest::newRow("units") << &kUnits << QStringList{S("骑士"), S("7"), S("鹿"), S("12")};
}

void ModelTest::deleteSelectedLines()
{
    QFETCH(const ListKind *, kind);
    QFETCH(QStringList, names);
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    const QString list = S(kind->list);
    QVERIFY(m.click(S(kind->selectAll))); // nothing to select yet
    QVERIFY(!m.selectLines(list, {0}));
    for (const QString &name : names)
        Add(m, *kind, name);
    const ItemStore &store = *m.list(list);
    const QStringList blocks = store.blocks();
    QCOMPARE(store.lines(), names);
    for (int i = 0; i < 4; ++i)
        QVERIFY(blocks[i].contains(names[i]));

    // Selecting: a line out of range refuses the whole selection and keeps the old one.
    QCOMPARE(Selected(store), QList<int>());
    QVERIFY(m.selectLines(list, {3}));
    QVERIFY(!m.selectLines(list, {0, 4}) && !m.selectLines(list, {-1}));
    QCOMPARE(Selected(store), QList<int>{3});
    QVERIFY(m.click(S(kind->selectAll)));
    QCOMPARE(Selected(store), (QList<int>{0, 1, 2, 3}));
    QVERIFY(m.click(S(kind->selectNone)));
    QVERIFY(m.click(S(kind->remove)));
    QCOMPARE(store.count(), 4);

    // Lines 0 and 2 of four: the former lines 1 and 3 stay, with their blocks.
    QVERIFY(m.selectLines(list, {2, 0}));
    QVERIFY(m.click(S(kind->remove)));
    QCOMPARE(store.lines(), (QStringList{names[1], names[3]}));
    QCOMPARE(store.blocks(), (QStringList{blocks[1], blocks[3]}));
    QCOMPARE(Selected(store), QList<int>());
    const QString script = m.assemble();
    QVERIFY(script.indexOf(blocks[1]) > 0 && script.indexOf(blocks[3]) > script.indexOf(blocks[1]));
    QVERIFY(!script.contains(blocks[0]) && !script.contains(blocks[2]));

    // A new line comes unselected; then consecutive lines, the last line, everything.
    QVERIFY(m.click(S(kind->selectAll)));
    Add(m, *kind, names[0]);
    QCOMPARE(Selected(store), (QList<int>{0, 1}));
    QVERIFY(m.selectLines(list, {0, 1}));
    QVERIFY(m.click(S(kind->remove)));
    QCOMPARE(store.lines(), QStringList{names[0]});
    Add(m, *kind, names[2]);
    QVERIFY(m.selectLines(list, {1}));
    QVERIFY(m.click(S(kind->remove)));
    QCOMPARE(store.lines(), QStringList{names[0]});
    QVERIFY(m.click(S(kind->selectAll)));
    QVERIFY(m.click(S(kind->remove)));
    QCOMPARE(store.blocks(), QStringList());
    QVERIFY(m.click(S(kind->remove))); // an empty list: nothing happens
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(!m.click(QStringLiteral("Command8"))); // the picker is the window's, no button of the model
}

void ModelTest::hundredItemsAtMost()
{
    QFETCH(const ListKind *, kind);
    QFETCH(QStringList, names);
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    for (int i = 0; i < 100; ++i)
        Add(m, *kind, names[i % names.size()]);
    const ItemStore &store = *m.list(S(kind->list));
    QCOMPARE(store.count(), 100);
    QVERIFY(dialogs.messages.isEmpty());
    const ItemStore before = store;
    const qint64 xn = m.xn();

    // The 101st add is refused with its message and changes nothing, not even the frame.
    for (const char *value : {"Slider13=64", "Text2=33", "Text6=44"})
        QVERIFY(m.setValue(S(value).section('=', 0, 0), S(value).section('=', 1)).isEmpty());
    QVERIFY(m.setValue(S(kind->field), names[1]).isEmpty());
    const Outcome refused = m.click(S(kind->add));
    QVERIFY(!refused);
    QCOMPARE(refused.refusal().text, S(kind->tooMany));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, S("错误"));
    QCOMPARE(dialogs.messages[0].text, S(kind->tooMany));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::Error);
    QVERIFY(store == before);
    QCOMPARE(store.blocks().size(), 100);
    QCOMPARE(m.xn(), xn);
    QCOMPARE(m.settings().text(S(kind->field)), names[1]);
    QCOMPARE(m.settings().slider(QStringLiteral("Slider13")), 64);
    QCOMPARE(m.settings().text(QStringLiteral("Text2")) + m.settings().text(QStringLiteral("Text6")), S("3344"));

    // Room again after a delete.
    QVERIFY(m.selectLines(S(kind->list), {0}));
    QVERIFY(m.click(S(kind->remove)));
    QVERIFY(m.click(S(kind->add)));
    QCOMPARE(store.count(), 100);
    QCOMPARE(store.lines().last(), names[1]);
    QCOMPARE(dialogs.messages.size(), 1);
}

void ModelTest::unitNumbersAreNeverReused()
{
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    Add(m, kUnits, S("7"));
    Add(m, kUnits, S("7"));
    const ItemStore &units = m.units();
    QVERIFY(units.block(0).startsWith(S("#const  X1  7\r\ncreate_object  X1 /* 添加单位：7 */\r\n")));
    QVERIFY(units.block(1).startsWith(S("#const  X2  7\r\ncreate_object  X2 /* 添加单位：7 */\r\n")));
    QVERIFY(m.selectLines(QStringLiteral("Lst2"), {0}));
    QVERIFY(m.click(QStringLiteral("Command10")));
    Add(m, kUnits, S("民兵")); // a display name takes no number
    Add(m, kUnits, S("7"));
    QCOMPARE(units.lines(), (QStringList{S("7"), S("民兵"), S("7")}));
    QVERIFY(units.block(0).startsWith(S("#const  X2  7\r\n")));
    QVERIFY(units.block(2).startsWith(S("#const  X3  7\r\ncreate_object  X3 /* 添加单位：7 */\r\n")));
    // Neither deleting everything nor restoring defaults lowers the counter.
    QVERIFY(m.click(QStringLiteral("Command9")));
    QVERIFY(m.click(QStringLiteral("Command10")));
    QVERIFY(m.click(QStringLiteral("Command14")));
    QCOMPARE(m.xn(), qint64(3));
    Add(m, kUnits, S("0"));
    QVERIFY(units.block(0).startsWith(S("#const  X4  0\r\n")));
}

void ModelTest::pagesAndStartOver()
{
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    m.setDate(QStringLiteral("D"));
    Add(m, kLands, S("沙漠"));
    Add(m, kUnits, S("7"));
    const auto checkPage = [&](int page) {
        QCOMPARE(m.page(), page);
        for (int p = 0; p <= 5; ++p)
            QCOMPARE(m.isVisible(QStringLiteral("Pic(%1)").arg(p)), p == page);
        QCOMPARE(m.isEnabled(QStringLiteral("Command1")), page != 0);
        QCOMPARE(m.caption(QStringLiteral("Command1")), page == 5 ? S("从头开始") : S("<上一步"));
        QCOMPARE(m.caption(QStringLiteral("Command2")), page == 4 ? S("完成") : S("下一步>"));
        for (const char *button : {"Command2", "Command14", "Command15", "Command16"})
            QCOMPARE(m.isVisible(QString::fromLatin1(button)), page != 5);
    };
    checkPage(0);
    m.back();
    checkPage(0);

    // Pages 0 to 3 only navigate, and back and forth changes no setting.
    const quint64 revision = m.settings().revision();
    for (int page = 1; page <= 4; ++page) {
        m.next();
        checkPage(page);
        QVERIFY(m.script().isEmpty());
    }
    m.back();
    m.back();
    checkPage(2);
    m.next();
    m.next();
    QCOMPARE(m.settings().revision(), revision);

    m.next(); // "完成" builds the script
    checkPage(5);
    const QString script = m.script();
    QCOMPARE(script, m.assemble());
    QVERIFY(script.contains(S("添加陆地：沙漠")) && script.contains(S("#const  X1  7")));
    m.next();
    checkPage(5);
    QTemporaryDir dir;
    dialogs.fileNames << dir.filePath(QStringLiteral("map.rms"));
    QVERIFY(m.saveScript() && m.isSaved());

    // Start over: page 0, no script, nothing saved, settings and items kept; the next build is the same.
    m.back();
    checkPage(0);
    QVERIFY(m.script().isEmpty());
    QVERIFY(!m.isSaved());
    QCOMPARE(m.lands().count() + m.units().count(), 2);
    for (int i = 0; i < 5; ++i)
        m.next();
    QCOMPARE(m.script(), script);
    QVERIFY(!m.isSaved());
    QCOMPARE(m.xn(), qint64(1));
}

QTEST_GUILESS_MAIN(ModelTest)

#include "test_model.moc"
