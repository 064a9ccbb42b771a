// The wizard window as a user meets it: what it shows at start-up, how its
// widgets and the model follow each other, the lists of added items, and the
// pages with their navigation.
#include "test_gui_support.h"
#include "ui/model_binder.h"

#include "core/controls.h"
#include "names/terrain_names.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

using namespace quorlin;
using namespace quorlin::test;

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheFirstPage();
    void everySettingHasItsWidget();
    void bindingsAreLoudAndLabelsFollowFields();
    void pagesAreBuiltWhenNeeded();
    void startUpValuesAndStates();
    void labelsAndTooltips();
    void userChangesReachTheModel();
    void typedTextStaysAsTyped();
    void checkBoxRulesThroughClicks();
    void greyCheckBoxClicksToTicked();
    void restoreDefaultsShowsInWidgets();
    void listSelectionFollowsBothWays();
    void captionsOnTheLastTwoPages();
    void goingBackKeepsSettings();
    void startOverKeepsAddedItems();
    void everyPageFitsTheWindow();
};

void WindowTest::startsOnTheFirstPage()
{
    Wizard w;
    QCOMPARE(w.window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Quorlin"));
    for (int n = 0; n <= 5; ++n)
        QCOMPARE(w.get(qPrintable(QStringLiteral("Pic(%1)").arg(n)))->isVisible(), n == 0);

    // Each page holds its own title; the titles are numbered apart from the pages.
    const struct {
        int page;
        const char *title;
        const char *text;
    } titles[] = {{0, "lbl(0)", "区域设置："}, {1, "lbl(5)", "区域设置："},           {2, "lbl(1)", "地形设置："},
                  {3, "lbl(2)", "添加单位："}, {4, "lbl(3)", "高地、悬崖、及连接："}, {5, "lbl(4)", "生成文件："}};
    for (const auto &t : titles) {
        auto *title = w.get<QLabel>(t.title);
        QCOMPARE(title->text(), QString::fromUtf8(t.text));
        QVERIFY(w.get(qPrintable(QStringLiteral("Pic(%1)").arg(t.page)))->isAncestorOf(title));
        QCOMPARE(title->font().pointSize(), 20);
        QVERIFY(title->font().italic());
    }

    auto *back = w.get<QPushButton>("Command1");
    QVERIFY(!back->isEnabled());
    QCOMPARE(back->text(), QStringLiteral("<上一步"));
    QCOMPARE(w.get<QPushButton>("Command2")->text(), QStringLiteral("下一步>"));
    for (const char *name : {"Command2", "Command3", "Command14", "Command15", "Command16"}) {
        QVERIFY2(w.get(name)->isVisible(), name);
        QVERIFY2(w.get(name)->isEnabled(), name);
    }
    QCOMPARE(w.get<QPushButton>("Command3")->text(), QStringLiteral("退出"));
    QCOMPARE(w.get<QPushButton>("Command14")->text(), QStringLiteral("恢复默认"));
    QCOMPARE(w.get<QPushButton>("Command15")->text(), QStringLiteral("保存为草稿"));
    QCOMPARE(w.get<QPushButton>("Command16")->text(), QStringLiteral("打开草稿"));
}

void WindowTest::everySettingHasItsWidget()
{
    Wizard w;
    for (const ControlDef &def : ControlTable()) {
        const QString name = QString::fromLatin1(def.name);
        QWidget *widget = w.window.findChild<QWidget *>(name);
        QVERIFY2(widget, def.name);
        switch (def.kind) {
        case ControlKind::Check:
        case ControlKind::Option: {
            auto *button = qobject_cast<QAbstractButton *>(widget);
            QVERIFY2(button && button->isCheckable(), def.name);
            QCOMPARE(bool(qobject_cast<QRadioButton *>(widget)), def.kind == ControlKind::Option);
            QCOMPARE(button->text(), QString::fromUtf8(def.caption));
            break;
        }
        case ControlKind::Slider: {
            auto *slider = qobject_cast<QSlider *>(widget);
            QVERIFY2(slider && slider->orientation() == Qt::Horizontal, def.name);
            QCOMPARE(slider->minimum(), def.min);
            QCOMPARE(slider->maximum(), def.max);
            QCOMPARE(slider->singleStep(), def.smallStep);
            QCOMPARE(slider->pageStep(), def.largeStep);
            QCOMPARE(slider->value(), def.defaultNumber);
            break;
        }
        case ControlKind::Text:
            QVERIFY2(qobject_cast<QLineEdit *>(widget), def.name);
            QCOMPARE(static_cast<QLineEdit *>(widget)->text(), QString::fromUtf8(def.defaultText));
            break;
        case ControlKind::EditableList:
        case ControlKind::ClosedList: {
            auto *combo = qobject_cast<QComboBox *>(widget);
            QVERIFY2(combo, def.name);
            QCOMPARE(combo->isEditable(), def.kind == ControlKind::EditableList);
            QStringList entries;
            for (int i = 0; i < combo->count(); ++i)
                entries << combo->itemText(i);
            // A closed list offers "nothing chosen" as a blank first entry.
            const QStringList blank = def.kind == ControlKind::ClosedList ? QStringList{QString()} : QStringList();
            QCOMPARE(entries, blank + ListEntries(name));
            // Nothing chosen at start-up; an editable list shows its default text.
            QCOMPARE(combo->currentIndex(), -1);
            QCOMPARE(combo->currentText(), QString::fromUtf8(def.defaultText));
            break;
        }
        case ControlKind::Display:
            QVERIFY2(qobject_cast<QLabel *>(widget), def.name);
            QCOMPARE(static_cast<QLabel *>(widget)->text(), QString());
            break;
        }
    }
}

void WindowTest::bindingsAreLoudAndLabelsFollowFields()
{
    Wizard w;
    QVERIFY(w.window.findChild<ModelBinder *>()->unknownNames().isEmpty());
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    ModelBinder binder(model);
    QCheckBox misspelt;
    misspelt.setObjectName(QStringLiteral("Chek33"));
    QTest::ignoreMessage(QtWarningMsg, "quorlin: a widget named \"Chek33\" is bound to no setting");
    binder.bindCheck(&misspelt);
    QCOMPARE(binder.unknownNames(), QStringList{QStringLiteral("Chek33")});

    for (const auto &[label, field] : {std::pair{"Label7", "Combo3"}, {"Label28", "Text3"}, {"Label26", "Combo6"}})
        QCOMPARE(w.get<QLabel>(label)->buddy(), w.get(field));
    // A page's title heads the page; it would otherwise follow Check23's enabled state.
    QCOMPARE(w.get<QLabel>("lbl(3)")->buddy(), nullptr);
}

void WindowTest::pagesAreBuiltWhenNeeded()
{
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    model.setCheck(QStringLiteral("Check23"), 1);
    MainWindow window(model);
    QVERIFY(window.findChild<QWidget *>(QStringLiteral("Pic(0)")));
    QVERIFY(!window.findChild<QWidget *>(QStringLiteral("Pic(4)")));
    for (int n = 0; n < 4; ++n)
        model.next();
    // Built on its first visit, with the values set before it existed.
    auto *elevation = window.findChild<QCheckBox *>(QStringLiteral("Check23"));
    QVERIFY(elevation && elevation->isChecked() && elevation->isVisibleTo(&window));
    // The rest come while the window is idle, once it is on the screen.
    QVERIFY(!window.findChild<QWidget *>(QStringLiteral("Pic(5)")));
    window.show();
    QTRY_VERIFY(window.findChild<QWidget *>(QStringLiteral("Pic(5)")));
}

void WindowTest::startUpValuesAndStates()
{
    Wizard w;
    for (const char *box : {"Check8", "Check9", "Check10", "Check11", "Check12", "Check13", "Check14", "Check15",
                            "Check16", "Check17", "Check18", "Check19", "Check20", "Check21", "Check22", "Check31"})
        QVERIFY2(w.get<QCheckBox>(box)->checkState() == Qt::Unchecked, box);
    for (const char *box : {"Check32", "Check6", "Check2", "Check33"})
        QVERIFY2(w.get<QCheckBox>(box)->checkState() == Qt::Checked, box);

    const char *values[][2] = {{"Label4", "50%"},  {"Label6", "10"},   {"Label12", "5"},  {"Label20", "8%"},
                               {"Label22", "30%"}, {"Label71", "20%"}, {"Label72", "10"}, {"Label67", "5"}};
    for (const auto &v : values)
        QCOMPARE(w.get<QLabel>(v[0])->text(), QString::fromUtf8(v[1]));

    for (const char *off :
         {"Combo3", "Label7", "Label70", "Combo16", "Text16", "Combo17", "Text5", "Option11", "Option12", "Text17"})
        QVERIFY2(!w.get(off)->isEnabled(), off);
    for (const char *on : {"Frame2", "Combo2", "Check33", "Combo1", "Text3", "Label28"})
        QVERIFY2(w.get(on)->isEnabled(), on);
    for (const char *hidden : {"Frame10", "Frame11", "Frame12", "Frame15", "Frame16", "Frame18", "Frame19", "Combo5"})
        QVERIFY2(w.get(hidden)->isHidden(), hidden);
    QVERIFY(!w.get("Combo4")->isHidden());
    QVERIFY(w.get<QRadioButton>("Option1")->isChecked());
    QVERIFY(w.get<QRadioButton>("Option5")->isChecked());
    QVERIFY(w.get<QPlainTextEdit>("Txt")->toPlainText().isEmpty());
}

void WindowTest::labelsAndTooltips()
{
    Wizard w;
    const QString sizes = QStringLiteral("\r\n 微型：0.5 \r\n 小型：0.9 \r\n 中型：1.4 \r\n 正常：2.1 \r\n"
                                         " 大型：4.0 \r\n 巨型：6.2 \r\n");
    for (const char *name : {"Label24", "Label34", "Label39"}) {
        auto *scale = w.get<QLabel>(name);
        QCOMPARE(scale->text(), QStringLiteral("比例系数"));
        QCOMPARE(scale->toolTip(), sizes);
        QVERIFY(scale->font().underline());
        QCOMPARE(scale->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }
    for (const char *name : {"Label58", "Lble(0)", "Label16"}) {
        auto *note = w.get<QLabel>(name);
        QCOMPARE(note->text(), QStringLiteral("注：参数设定好后，一定要点“添加”才能生效。"));
        const QColor colour = note->palette().color(QPalette::WindowText);
        QVERIFY2(colour.green() > 100 && colour.red() < 60 && colour.blue() < 60, name);
    }
    QCOMPARE(w.get("Combo14")->toolTip(), QStringLiteral("如果为空，则自动设为基本地形"));
    QCOMPARE(w.get("Text15")->toolTip(), QStringLiteral("0代表不分组"));

    const char *frames[][2] = {{"Frame4", "区域分布"},       {"Frame21", "添加陆地"},    {"Frame20", "已添加陆地"},
                               {"Frame5", "添加地形"},       {"Frame14", "已添加地形"},  {"Frame7", "增加单位"},
                               {"Frame8", "现成单位"},       {"Frame9", "已添加单位："}, {"Frame10", "设置高地"},
                               {"Frame11", "设置悬崖"},      {"Frame12", "设置连接"},    {"Frame13", "连接所有游戏者"},
                               {"Frame17", "连接同组游戏者"}};
    for (const auto &f : frames)
        QCOMPARE(w.get<QGroupBox>(f[0])->title(), QString::fromUtf8(f[1]));
    for (const char *frame : {"Frame2", "Frame15", "Frame16", "Frame18", "Frame19"})
        QVERIFY(w.get<QGroupBox>(frame));
    // Check33 heads Frame2 but lies outside it, or clearing it would disable it.
    QVERIFY(!w.get("Frame2")->isAncestorOf(w.get("Check33")));
    QVERIFY(w.get("Frame2")->isAncestorOf(w.get("Combo2")));
    QVERIFY(!w.get("Frame2")->isAncestorOf(w.get("Combo1")));
}

void WindowTest::userChangesReachTheModel()
{
    Wizard w;
    const Settings &s = w.model.settings();

    auto *slider = w.get<QSlider>("Slider1");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(s.slider("Slider1"), 52);
    QTest::keyClick(slider, Qt::Key_PageUp);
    QCOMPARE(s.slider("Slider1"), 72);
    QCOMPARE(w.get<QLabel>("Label4")->text(), QStringLiteral("72%"));

    w.click("Option3");
    QVERIFY(s.option("Option3"));
    QVERIFY(!s.option("Option1"));

    w.goTo(2);
    w.click("Option6");
    QVERIFY(s.option("Option6"));
    QVERIFY(w.get("Combo5")->isVisible());
    QVERIFY(!w.get("Combo4")->isVisible());
}

void WindowTest::typedTextStaysAsTyped()
{
    Wizard w;
    const Settings &s = w.model.settings();
    auto *base = w.get<QComboBox>("Combo1");
    // Neither a completion nor the Enter key may change what was typed.
    Retype(base, QStringLiteral("草"));
    QCOMPARE(s.text("Combo1"), QStringLiteral("草"));
    QTest::keyClick(base->lineEdit(), Qt::Key_Return);
    QCOMPARE(s.text("Combo1"), QStringLiteral("草"));
    QCOMPARE(base->count(), 28);

    w.goTo(4);
    w.click("Check23");
    Retype(w.get<QComboBox>("Combo9"), QStringLiteral("浅滩"));
    QCOMPARE(s.text("Combo9"), QStringLiteral("浅滩"));
    QCOMPARE(w.get<QComboBox>("Combo9")->findText(QStringLiteral("浅滩")), -1);
}

void WindowTest::checkBoxRulesThroughClicks()
{
    Wizard w;
    w.click("Check1");
    QCOMPARE(w.model.settings().check("Check1"), 1);
    QVERIFY(w.get("Combo3")->isEnabled());
    QVERIFY(w.get("Label7")->isEnabled());

    // Clearing the zone box disables every zone setting but the base terrain, never itself.
    w.click("Check33");
    QCOMPARE(w.model.settings().check("Check33"), 0);
    QVERIFY(!w.get("Frame2")->isEnabled());
    QVERIFY(!w.get("Combo2")->isEnabled());
    QVERIFY(!w.get("Slider1")->isEnabled());
    QVERIFY(w.get("Check33")->isEnabled());
    QVERIFY(w.get("Combo1")->isEnabled());
    w.click("Check33");
    QVERIFY(w.get("Combo3")->isEnabled());
    QCOMPARE(w.get<QComboBox>("Combo3")->currentText(), QStringLiteral("窄"));

    w.goTo(3);
    for (const auto &pair :
         {std::pair{"Check12", "Check13"}, {"Check14", "Check15"}, {"Check17", "Check18"}, {"Check20", "Check21"}}) {
        w.click(pair.first);
        w.click(pair.second);
        QVERIFY(!w.get<QCheckBox>(pair.first)->isChecked());
        QVERIFY(w.get<QCheckBox>(pair.second)->isChecked());
        w.click(pair.first);
        QVERIFY(!w.get<QCheckBox>(pair.second)->isChecked());
    }
    w.click("Check32");
    for (const char *name : {"Label28", "Label29", "Text3", "Text4"})
        QVERIFY2(!w.get(name)->isEnabled(), name);
    QCOMPARE(w.get<QLineEdit>("Text4")->text(), QStringLiteral("10"));

    w.goTo(4);
    w.click("Check25");
    QVERIFY(w.get("Frame12")->isVisible());
    QVERIFY(!w.get("Frame15")->isVisible());
    QVERIFY(!w.get("Frame16")->isVisible());
    w.click("Check27");
    QVERIFY(w.get("Frame16")->isVisible());
}

void WindowTest::greyCheckBoxClicksToTicked()
{
    Wizard w;
    w.goTo(3);
    w.model.setCheck(QStringLiteral("Check22"), 2);
    auto *relics = w.get<QCheckBox>("Check22");
    QCOMPARE(relics->checkState(), Qt::PartiallyChecked);
    w.click("Check22");
    QCOMPARE(w.model.settings().check("Check22"), 1);
    QCOMPARE(relics->checkState(), Qt::Checked);
    w.click("Check22");
    QCOMPARE(w.model.settings().check("Check22"), 0);
    w.click("Check22");
    QCOMPARE(w.model.settings().check("Check22"), 1); // never back to grey by clicking

    // A grey box counts as ticked for the rules.
    w.model.setCheck(QStringLiteral("Check4"), 2);
    QVERIFY(w.get("Text5")->isEnabled());
}

void WindowTest::restoreDefaultsShowsInWidgets()
{
    Wizard w;
    w.goTo(4);
    w.click("Check23");
    Retype(w.get<QLineEdit>("Text8"), QStringLiteral("99"));
    QVERIFY(w.get("Frame10")->isVisible());
    w.goTo(3);
    w.click("Check8");
    w.click("Command14");
    QCOMPARE(w.get<QLineEdit>("Text8")->text(), QStringLiteral("12"));
    QVERIFY(w.get("Frame10")->isHidden());
    QVERIFY(w.get<QCheckBox>("Check8")->isChecked());
    QCOMPARE(w.model.page(), 3);
}

void WindowTest::listSelectionFollowsBothWays()
{
    Wizard w;
    w.goTo(1);
    for (const char *terrain : {"沙漠", "雪", "草2"}) {
        Retype(w.get<QComboBox>("Combo15"), QString::fromUtf8(terrain));
        w.click("Command21");
    }
    auto *lands = w.get<QListWidget>("Lst0");
    QCOMPARE(lands->count(), 3);
    QCOMPARE(lands->item(2)->text(), QStringLiteral("草2"));
    QCOMPARE(w.get<QComboBox>("Combo15")->currentText(), QStringLiteral("草1")); // the add reset the frame

    const ItemStore &store = w.model.lands();
    auto clickLine = [lands](int row, Qt::KeyboardModifiers mods) {
        QTest::mouseClick(lands->viewport(), Qt::LeftButton, mods, lands->visualItemRect(lands->item(row)).center());
    };
    clickLine(0, Qt::NoModifier);
    clickLine(2, Qt::ControlModifier);
    QVERIFY(store.isSelected(0));
    QVERIFY(!store.isSelected(1));
    QVERIFY(store.isSelected(2));

    w.click("Command19");
    QVERIFY(lands->selectedItems().isEmpty());
    w.click("Command18");
    QCOMPARE(lands->selectedItems().size(), 3);
    clickLine(1, Qt::NoModifier);
    QCOMPARE(lands->selectedItems().size(), 1);
    w.click("Command20");
    QCOMPARE(lands->count(), 2);
    QCOMPARE(store.lines(), (QStringList{QStringLiteral("沙漠"), QStringLiteral("草2")}));

    // A refused add says why and changes nothing.
    Retype(w.get<QComboBox>("Combo15"), QString());
    w.click("Command21");
    QCOMPARE(lands->count(), 2);
    QCOMPARE(w.dialogs.messages.size(), 1);
    QCOMPARE(w.dialogs.messages.first().text, QStringLiteral("请选择地形。"));
}

void WindowTest::captionsOnTheLastTwoPages()
{
    Wizard w;
    w.goTo(4);
    QCOMPARE(w.get<QPushButton>("Command2")->text(), QStringLiteral("完成"));
    QCOMPARE(w.get<QPushButton>("Command1")->text(), QStringLiteral("<上一步"));
    QVERIFY(w.get<QPlainTextEdit>("Txt")->toPlainText().isEmpty());

    w.click("Command2");
    QCOMPARE(w.model.page(), 5);
    QVERIFY(w.get("Pic(5)")->isVisible());
    QVERIFY(!w.get("Pic(4)")->isVisible());
    for (const char *gone : {"Command2", "Command14", "Command15", "Command16"})
        QVERIFY2(!w.get(gone)->isVisible(), gone);
    auto *back = w.get<QPushButton>("Command1");
    QVERIFY(back->isEnabled());
    QCOMPARE(back->text(), QStringLiteral("从头开始"));
    QVERIFY(w.get("Command3")->isVisible());
    QVERIFY(w.get("CmdGo")->isVisible());

    // The editor shows the built script with its own line ends.
    const QString shown = w.get<QPlainTextEdit>("Txt")->toPlainText();
    QVERIFY(shown.contains(QStringLiteral("<PLAYER_SETUP>\n")));
    QCOMPARE(shown, QString(w.model.script()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void WindowTest::goingBackKeepsSettings()
{
    Wizard w;
    w.goTo(3);
    Retype(w.get<QLineEdit>("Text6"), QStringLiteral("9"));
    w.click("Check7");
    w.click("Command1");
    QCOMPARE(w.model.page(), 2);
    w.click("Option6");
    w.click("Command2");
    QCOMPARE(w.get<QLineEdit>("Text6")->text(), QStringLiteral("9"));
    QVERIFY(w.get<QCheckBox>("Check7")->isChecked());
    w.click("Command1");
    QVERIFY(w.get<QRadioButton>("Option6")->isChecked());
}

void WindowTest::startOverKeepsAddedItems()
{
    Wizard w;
    w.goTo(1);
    Retype(w.get<QComboBox>("Combo15"), QStringLiteral("沙漠"));
    w.click("Command21");
    w.goTo(5);
    QVERIFY(w.model.script().contains(QStringLiteral("添加陆地：沙漠")));

    w.click("Command1");
    QCOMPARE(w.model.page(), 0);
    QVERIFY(w.get("Pic(0)")->isVisible());
    QVERIFY(!w.get("Command1")->isEnabled());
    QCOMPARE(w.get<QPushButton>("Command1")->text(), QStringLiteral("<上一步"));
    QVERIFY(w.get<QPlainTextEdit>("Txt")->toPlainText().isEmpty());
    QCOMPARE(w.get<QListWidget>("Lst0")->count(), 1);

    w.goTo(5);
    QVERIFY(w.get<QPlainTextEdit>("Txt")->toPlainText().contains(QStringLiteral("添加陆地：沙漠")));
}

void WindowTest::everyPageFitsTheWindow()
{
    Wizard w;
    const QSize size = w.window.size();
    QVERIFY(size.width() <= 900 && size.height() <= 650);
    // Every page at its fullest: items in the lists, every frame of page 4 shown.
    for (int i = 0; i < 12; ++i) {
        w.model.click(QStringLiteral("Command21"));
        w.model.click(QStringLiteral("Command4"));
        w.model.setText(QStringLiteral("Label55"), QStringLiteral("民兵"));
        w.model.click(QStringLiteral("Command6"));
    }
    for (const char *box : {"Check23", "Check24", "Check25", "Check26", "Check27", "Check28", "Check29"})
        w.model.setCheck(QString::fromLatin1(box), 1);
    for (int n : {0, 1, 2, 3, 4, 5, 0}) {
        w.goTo(n);
        QWidget *page = w.get(qPrintable(QStringLiteral("Pic(%1)").arg(n)));
        QVERIFY2(page->minimumSizeHint().height() <= page->height(), qPrintable(page->objectName()));
        QVERIFY2(page->minimumSizeHint().width() <= page->width(), qPrintable(page->objectName()));
        // Going through the pages never makes the window grow.
        QCOMPARE(w.window.size(), size);
    }
}

QTEST_MAIN(WindowTest)
#include "test_gui_window.moc"
