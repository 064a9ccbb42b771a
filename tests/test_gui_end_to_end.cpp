// A whole map made through the window's widgets, saved through the save
// dialog, must be byte for byte the file that `quorlin generate` writes for
// the same steps.
#include "test_gui_support.h"
#include "test_script_support.h"

#include "ui/unit_picker.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorlin;
using namespace quorlin::test;

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndCommandLineWriteTheSameFile();
};

namespace {

void PickDown(QComboBox *combo, int presses)
{
    combo->setFocus();
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

} // namespace

void EndToEndTest::windowAndCommandLineWriteTheSameFile()
{
    QTemporaryDir dir;
    const QString date = QStringLiteral("2024/5/1");
    Wizard w(date);

    // Page 0: a larger zone share, and borders removed with a wide border.
    auto *share = w.get<QSlider>("Slider1");
    share->setFocus();
    QTest::keyClick(share, Qt::Key_PageUp);
    w.click("Check1");
    Retype(w.get<QComboBox>("Combo3"), QStringLiteral("宽"));
    w.click("Command2");

    // Page 1: a desert land with a land number.
    Retype(w.get<QComboBox>("Combo15"), QStringLiteral("沙漠"));
    w.click("Check35");
    Retype(w.get<QLineEdit>("Text16"), QStringLiteral("3"));
    w.click("Command21");
    QCOMPARE(w.get<QListWidget>("Lst0")->count(), 1);
    w.click("Command2");

    // Page 2: a bamboo forest with more clumps and a height limit, and mixed water.
    w.click("Option6");
    Retype(w.get<QComboBox>("Combo5"), QStringLiteral("竹林"));
    Retype(w.get<QLineEdit>("Text2"), QStringLiteral("12"));
    PickDown(w.get<QComboBox>("Combo6"), 4); // past the blank entry that means no limit
    w.click("Command4");
    QCOMPARE(w.get<QListWidget>("Lst1")->count(), 1);
    w.click("Check30");
    w.click("Command2");

    // Page 3: swordsmen from the picker, six of them, and two ready-made units.
    w.click("Command8");
    UnitPicker *picker = w.window.picker();
    QVERIFY(picker);
    Click(picker->findChild<QRadioButton *>(QStringLiteral("Option1")));
    PickDown(picker->findChild<QComboBox *>(QStringLiteral("Combo1")), 2);
    Click(picker->findChild<QPushButton *>(QStringLiteral("Command1")));
    Retype(w.get<QLineEdit>("Text6"), QStringLiteral("6"));
    w.click("Command6");
    QCOMPARE(w.get<QListWidget>("Lst2")->count(), 1);
    w.click("Check8");
    w.click("Check12");
    w.click("Command2");

    // Page 4: elevation, and mushroom roads between all players; then finish.
    w.click("Check23");
    w.click("Check25");
    w.click("Check27");
    w.click("Option7");
    w.click("Command2");
    QCOMPARE(w.model.page(), 5);

    const QString fromWindow = dir.filePath(QStringLiteral("window.rms"));
    w.dialogs.fileNames << fromWindow;
    w.click("CmdGo");
    QVERIFY(w.model.isSaved());

    const QString fromCommandLine = dir.filePath(QStringLiteral("cli.rms"));
    QStringList args = {QStringLiteral("generate"), QStringLiteral("--date"), date};
    for (const char *step :
         {"--set", "Slider1=70",  "--set", "Check1=1",     "--set",   "Combo3=宽", "--set",   "Combo15=沙漠",
          "--set", "Check35=1",   "--set", "Text16=3",     "--click", "Command21", "--set",   "Option6=true",
          "--set", "Combo5=竹林", "--set", "Text2=12",     "--set",   "Combo6=2",  "--click", "Command4",
          "--set", "Check30=1",   "--set", "Label55=剑士", "--set",   "Text6=6",   "--click", "Command6",
          "--set", "Check8=1",    "--set", "Check12=1",    "--set",   "Check23=1", "--set",   "Check25=1",
          "--set", "Check27=1",   "--set", "Option7=true"})
        args << QString::fromUtf8(step);
    const testing::Run run = testing::RunQuorlin(args << QStringLiteral("--output") << fromCommandLine);
    QVERIFY2(run.exitCode == 0, run.err.constData());

    const QByteArray expected = testing::ReadFile(fromCommandLine);
    const QByteArray actual = testing::ReadFile(fromWindow);
    QVERIFY(!expected.isEmpty());
    // The steps really happened: each added item and setting is in the script.
    for (const char *piece : {"land_id  3", "create_terrain  BAMBOO", "number_of_objects  6", "<ELEVATION_GENERATION>"})
        QVERIFY2(actual.contains(piece), piece);
    QCOMPARE(actual, expected);
}

QTEST_MAIN(EndToEndTest)
#include "test_gui_end_to_end.moc"
