// The wizard model: the three lists with their stores, the running X number,
// the pages, the script and its saved state, and leaving the program.
#include <QtTest>

#include "script/script_file.h"
#include "wizard/scripted_dialogs.h"
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

// Adds an item whose name (and so its line and block) is `name`.
void Add(WizardModel &m, const ListKind &kind, const QString &name)
{
    QVERIFY(m.setValue(S(kind.field), name).isEmpty());
    QVERIFY(m.click(S(kind.add)));
}

} // namespace

Q_DECLARE_METATYPE(const ListKind *)

class TestModel : public QObject {
    Q_OBJECT

private slots:
    void deleteSelectedLines_data();
    void deleteSelectedLines();
    void selectionOfLines_data() { deleteSelectedLines_data(); }
    void selectionOfLines();
    void hundredItemsAtMost_data() { deleteSelectedLines_data(); }
    void hundredItemsAtMost();
    void unitNumbersAreNeverReused();

    void pagesAndButtons();
    void startOverKeepsItems();
    void savedFollowsTheScript();
    void exitAsksOnlyForAnUnsavedScript();
};

void TestModel::deleteSelectedLines_data()
{
    QTest::addColumn<const ListKind *>("kind");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("lands") << &kLands << QStringList{S("沙漠"), S("雪"), S("冰"), S("草2")};
    QTest::newRow("terrains") << &kTerrains << QStringList{S("海滩"), S("雪"), S("冰"), S("荒芜农田")};
    QTest::newRow("units") << &kUnits << QStringList{S("骑士"), S("7"), S("鹿"), S("12")};
}

void TestModel::deleteSelectedLines()
{
    QFETCH(const ListKind *, kind);
    QFETCH(QStringList, names);
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    for (const QString &name : names)
        Add(m, *kind, name);
    const ItemStore &store = *m.list(S(kind->list));
    const QStringList blocks = store.blocks();
    QCOMPARE(store.lines(), names);
    QCOMPARE(blocks.size(), 4);
    for (int i = 0; i < 4; ++i)
        QVERIFY(blocks[i].contains(names[i]));

    QVERIFY(m.selectLines(S(kind->list), {2, 0}));
    QVERIFY(m.click(S(kind->remove)));
    QCOMPARE(store.lines(), (QStringList{names[1], names[3]}));
    QCOMPARE(store.blocks(), (QStringList{blocks[1], blocks[3]}));
    QVERIFY(!store.isSelected(0) && !store.isSelected(1));

    // The script carries the remaining blocks in their order.
    const QString script = m.assemble();
    QVERIFY(script.indexOf(blocks[1]) > 0 && script.indexOf(blocks[3]) > script.indexOf(blocks[1]));
    QVERIFY(!script.contains(blocks[0]) && !script.contains(blocks[2]));

    // Consecutive lines, the last line, then everything.
    Add(m, *kind, names[0]);
    Add(m, *kind, names[2]);
    QVERIFY(m.selectLines(S(kind->list), {1, 2}));
    QVERIFY(m.click(S(kind->remove)));
    QCOMPARE(store.lines(), (QStringList{names[1], names[2]}));
    QVERIFY(m.selectLines(S(kind->list), {1}));
    QVERIFY(m.click(S(kind->remove)));
    QCOMPARE(store.lines(), QStringList{names[1]});
    QVERIFY(m.click(S(kind->selectAll)));
    QVERIFY(m.click(S(kind->remove)));
    QCOMPARE(store.count(), 0);
    QCOMPARE(store.blocks().size(), 0);
    QVERIFY(m.click(S(kind->remove))); // an empty list: nothing happens
    QVERIFY(dialogs.messages.isEmpty());
}

void TestModel::selectionOfLines()
{
    QFETCH(const ListKind *, kind);
    QFETCH(QStringList, names);
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    QVERIFY(m.click(S(kind->selectAll))); // on an empty list
    QVERIFY(!m.selectLines(S(kind->list), {0}));
    QVERIFY(m.selectLines(S(kind->list), {}));
    for (const QString &name : names.mid(0, 3))
        Add(m, *kind, name);
    const ItemStore &store = *m.list(S(kind->list));
    const auto selected = [&] {
        QList<int> on;
        for (int i = 0; i < store.count(); ++i)
            if (store.isSelected(i))
                on << i;
        return on;
    };
    QCOMPARE(selected(), QList<int>());
    QVERIFY(m.selectLines(S(kind->list), {1}));
    // A line out of range refuses the whole selection and keeps the old one.
    QVERIFY(!m.selectLines(S(kind->list), {0, 3}));
    QVERIFY(!m.selectLines(S(kind->list), {-1}));
    QCOMPARE(selected(), QList<int>{1});
    QVERIFY(m.click(S(kind->selectAll)));
    QCOMPARE(selected(), (QList<int>{0, 1, 2}));
    QVERIFY(m.click(S(kind->selectNone)));
    QCOMPARE(selected(), QList<int>());
    QVERIFY(m.click(S(kind->remove)));
    QCOMPARE(store.count(), 3);
    // A new line comes unselected, whatever was selected before.
    QVERIFY(m.click(S(kind->selectAll)));
    Add(m, *kind, names[3]);
    QCOMPARE(selected(), (QList<int>{0, 1, 2}));
    QVERIFY(!m.selectLines(QStringLiteral("Lst3"), {}));
}

void TestModel::hundredItemsAtMost()
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
    QVERIFY(m.setValue(S(kind->field), names[1]).isEmpty());
    QVERIFY(m.setValue(QStringLiteral("Slider13"), QStringLiteral("64")).isEmpty());
    QVERIFY(m.setValue(QStringLiteral("Text2"), QStringLiteral("33")).isEmpty());
    QVERIFY(m.setValue(QStringLiteral("Text6"), QStringLiteral("44")).isEmpty());
    QVERIFY(m.click(S(kind->add)));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("错误"));
    QCOMPARE(dialogs.messages[0].text, S(kind->tooMany));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::Error);
    QVERIFY(store == before);
    QCOMPARE(store.blocks().size(), 100);
    QCOMPARE(m.xn(), xn);
    QCOMPARE(m.settings().text(S(kind->field)), names[1]);
    QCOMPARE(m.settings().slider(QStringLiteral("Slider13")), 64);
    QCOMPARE(m.settings().text(QStringLiteral("Text2")), QStringLiteral("33"));
    QCOMPARE(m.settings().text(QStringLiteral("Text6")), QStringLiteral("44"));

    // Room again after a delete.
    QVERIFY(m.selectLines(S(kind->list), {0}));
    QVERIFY(m.click(S(kind->remove)));
    QVERIFY(m.click(S(kind->add)));
    QCOMPARE(store.count(), 100);
    QCOMPARE(store.lines().last(), names[1]);
    QCOMPARE(dialogs.messages.size(), 1);
}

void TestModel::unitNumbersAreNeverReused()
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
    QVERIFY(m.click(QStringLiteral("Command9")));
    QVERIFY(m.click(QStringLiteral("Command10")));
    QCOMPARE(m.xn(), qint64(3));
    // Restore defaults leaves the counter alone too.
    QVERIFY(m.click(QStringLiteral("Command14")));
    Add(m, kUnits, S("0"));
    QVERIFY(units.block(0).startsWith(S("#const  X4  0\r\n")));
}

void TestModel::pagesAndButtons()
{
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    m.setDate(QStringLiteral("D"));
    m.setValue(QStringLiteral("Check8"), QStringLiteral("1"));
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

    // Pages 0 to 3 only navigate; going back and forth changes no setting.
    const quint64 revision = m.settings().revision();
    for (int page = 1; page <= 4; ++page) {
        m.next();
        checkPage(page);
        QVERIFY(m.script().isEmpty());
    }
    m.back();
    checkPage(3);
    m.back();
    m.next();
    m.next();
    checkPage(4);
    QCOMPARE(m.settings().revision(), revision);

    m.next();
    checkPage(5);
    QCOMPARE(m.script(), m.assemble());
    QVERIFY(m.script().contains(QStringLiteral("TOWN_CENTER")));
    m.next(); // no next button on the last page
    checkPage(5);
}

void TestModel::startOverKeepsItems()
{
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    m.setDate(QStringLiteral("D"));
    Add(m, kLands, S("沙漠"));
    Add(m, kUnits, S("7"));
    m.setValue(QStringLiteral("Slider1"), QStringLiteral("64"));
    for (int i = 0; i < 5; ++i)
        m.next();
    const QString script = m.script();
    QVERIFY(script.contains(S("添加陆地：沙漠")) && script.contains(S("X1")));

    m.back();
    QCOMPARE(m.page(), 0);
    QVERIFY(m.script().isEmpty());
    QVERIFY(!m.isEnabled(QStringLiteral("Command1")));
    QCOMPARE(m.lands().count(), 1);
    QCOMPARE(m.units().count(), 1);
    QCOMPARE(m.settings().slider(QStringLiteral("Slider1")), 64);

    // The next build holds the same items again, with the same X number.
    for (int i = 0; i < 5; ++i)
        m.next();
    QCOMPARE(m.script(), script);
    QCOMPARE(m.xn(), qint64(1));
}

void TestModel::savedFollowsTheScript()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    QVERIFY(!m.isSaved());
    for (int i = 0; i < 5; ++i)
        m.next();
    QVERIFY(!m.isSaved());

    // A cancelled dialog writes nothing and leaves the script unsaved.
    QVERIFY(!m.saveScript());
    QVERIFY(!m.isSaved());

    const QString path = dir.filePath(QStringLiteral("map.rms"));
    dialogs.fileNames << path << path;
    QVERIFY(m.saveScript());
    QVERIFY(m.isSaved());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ScriptFileBytes(m.script()));
    file.close();

    // Edits are saved with the script; each edit makes it unsaved again.
    m.setScript(m.script() + QStringLiteral("/* 改 */"));
    QVERIFY(!m.isSaved());
    QVERIFY(m.saveScript());
    QVERIFY(m.isSaved());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(ToGbk(QStringLiteral("/* 改 */\r\n"))));

    // Building again, and starting over, both change the text.
    m.back();
    QVERIFY(!m.isSaved());
    dialogs.fileNames << dir.filePath(QStringLiteral("missing/map.rms"));
    for (int i = 0; i < 5; ++i)
        m.next();
    QVERIFY(!m.saveScript());
    QVERIFY(!m.isSaved());
}

void TestModel::exitAsksOnlyForAnUnsavedScript()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    // Pages 0 to 4 end without a question.
    for (int page = 0; page < 5; ++page) {
        QVERIFY(m.mayExit());
        m.next();
    }
    QVERIFY(dialogs.questions.isEmpty());

    // Page 5, unsaved: No ends without a file.
    dialogs.answers << Answer::No;
    QVERIFY(m.mayExit());
    QCOMPARE(dialogs.questions.size(), 1);
    QCOMPARE(dialogs.questions[0].title, S("注意"));
    QCOMPARE(dialogs.questions[0].text, S("是否保存所作的修改？"));
    QVERIFY(!dialogs.questions[0].withCancel);
    QCOMPARE(dialogs.questions[0].defaultAnswer, Answer::Yes);
    QVERIFY(QDir(dir.path()).isEmpty());

    // A question closed without an answer stays, and so does Yes with the file
    // dialog cancelled: the script is not lost.
    dialogs.answers << Answer::Cancel;
    QVERIFY(!m.mayExit());
    dialogs.answers << Answer::Yes;
    QVERIFY(!m.mayExit());
    QVERIFY(!m.isSaved());

    // Yes with a file name saves, then ends; a saved script asks nothing.
    const QString path = dir.filePath(QStringLiteral("exit.rms"));
    dialogs.answers << Answer::Yes;
    dialogs.fileNames << path;
    QVERIFY(m.mayExit());
    QVERIFY(QFile::exists(path) && m.isSaved());
    const int asked = int(dialogs.questions.size());
    QVERIFY(m.mayExit());
    QCOMPARE(dialogs.questions.size(), asked);

    // One typed character later it asks again.
    m.setScript(m.script() + QLatin1Char('x'));
    dialogs.answers << Answer::No;
    QVERIFY(m.mayExit());
    QCOMPARE(dialogs.questions.size(), asked + 1);
}

QTEST_GUILESS_MAIN(TestModel)

#include "test_model.moc"
