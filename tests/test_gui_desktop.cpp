// The window on a desktop: drafts dropped on it, the recent drafts beside
// "打开草稿", its place kept for the next run, and a map script handed to it.
#include "core/scripted_dialogs.h"
#include "test_script_support.h"
#include "ui/main_window.h"
#include "ui/recent_drafts_button.h"
#include "wizard/remembered_state.h"
#include "wizard/wizard_model.h"

#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace quorlin;

namespace {

// Drags `path` over the window and drops it; true when the window took it.
bool Drop(QWidget *window, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void draftsComeByDropAndByTheRecentList();
    void scriptOpensOnTheScriptPage();
};

void DesktopTest::draftsComeByDropAndByTheRecentList()
{
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("quorlin.conf")), QSettings::IniFormat);
    RememberedState state(store);
    const QString first = dir.filePath(QStringLiteral("first.qlx"));
    const QString second = dir.filePath(QStringLiteral("second.qlx"));
    QRect place;
    {
        ScriptedDialogs dialogs;
        WizardModel model(&dialogs);
        MainWindow window(model, &state);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Saved drafts are remembered, newest first.
        model.setSlider(QStringLiteral("Slider1"), 60);
        dialogs.fileNames = {first, second};
        QVERIFY(model.saveDraft());
        QVERIFY(model.saveDraft());
        QCOMPARE(state.recentDrafts(), (QStringList{second, first}));

        // A dropped draft is asked about as "打开草稿" asks; other files are refused.
        QVERIFY(!Drop(&window, dir.filePath(QStringLiteral("map.rms"))));
        model.setSlider(QStringLiteral("Slider1"), 10);
        dialogs.answers = {Answer::No}; // let the change go
        QVERIFY(Drop(&window, first));
        QTRY_COMPARE(model.draftPath(), first);
        QCOMPARE(dialogs.questions.size(), 1);
        QCOMPARE(model.settings().slider(QStringLiteral("Slider1")), 60);
        QCOMPARE(state.recentDrafts(), (QStringList{first, second}));

        // The list beside the button opens its entries as the button opens a chosen draft.
        auto *recent = window.findChild<RecentDraftsButton *>(QStringLiteral("RecentDrafts"));
        QVERIFY(recent && recent->isVisible());
        recent->refresh();
        recent->menu()->actions().at(1)->trigger(); // nothing unsaved: nothing asked
        QCOMPARE(model.draftPath(), second);
        QCOMPARE(dialogs.questions.size(), 1);

        // The script page offers no drafts: neither the list nor a drop.
        for (int page = 0; page < WizardModel::kLastPage; ++page)
            model.next();
        QVERIFY(!recent->isVisible());
        QVERIFY(!Drop(&window, first));

        window.setGeometry(QRect(window.x() + 13, window.y() + 7, window.width() - 31, window.height() - 17));
        place = window.geometry();
        dialogs.answers = {Answer::No};
        QVERIFY(window.close());
    }
    // The next run comes back where this one was left.
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    MainWindow window(model, &state);
    QCOMPARE(window.geometry().size(), place.size());
}

void DesktopTest::scriptOpensOnTheScriptPage()
{
    // What a double click on a map script hands the window.
    QTemporaryDir dir;
    const QString map = dir.filePath(QStringLiteral("map.rms")), copy = dir.filePath(QStringLiteral("copy.rms"));
    QVERIFY(testing::WriteFile(map, QByteArray("/* \xba\xa3\xb5\xba */\r\n<PLAYER_SETUP>\r\nrandom_placement\r\n")));
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    QVERIFY(!model.openScriptFile(dir.filePath(QStringLiteral("none.rms"))));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(model.page(), 0);
    QVERIFY(model.openScriptFile(map));
    QCOMPARE(model.page(), int(WizardModel::kLastPage));
    QVERIFY(model.script().startsWith(QStringLiteral("/* 海岛 */")));
    QVERIFY(model.mayExit()); // nothing to save: it is the file
    dialogs.fileNames = {copy};
    QVERIFY(model.saveScript());
    QCOMPARE(testing::ReadFile(copy), testing::ReadFile(map));
}

QTEST_MAIN(DesktopTest)
#include "test_gui_desktop.moc"
