// The preview beside the pages: it follows the settings and the script page,
// its own controls, and shows only the newest picture.
#include <QtTest>

#include "test_gui_support.h"
#include "ui/preview_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>

using namespace quorlin;

class GuiPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void followsEveryChangeAndShowsTheNewest();
    void toggleIsRemembered();
};

void GuiPreviewTest::followsEveryChangeAndShowsTheNewest()
{
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    MainWindow window(model);
    window.show();
    window.showPreview(true);
    auto *panel = window.findChild<PreviewPanel *>();
    QVERIFY(panel->settle(20000));
    const QImage first = panel->picture();
    QCOMPARE(first.width() > first.height(), true); // the diamond

    // Many changes at once: the picture that stays is the one of the last.
    for (int percent = 20; percent <= 80; percent += 10)
        model.setSlider(QStringLiteral("Slider1"), percent);
    QVERIFY(model.setText(QStringLiteral("Combo2"), QStringLiteral("沙漠")));
    QVERIFY(panel->settle(20000));
    preview::PreviewOptions options;
    options.sizeIndex = 2;
    options.seed = 1;
    QCOMPARE(panel->picture(), preview::PreviewScript(model.assemble(), options, false, false).image);
    QVERIFY(panel->picture() != first);

    panel->findChild<QCheckBox *>(QStringLiteral("PreviewSquare"))->click();
    QVERIFY(panel->settle(20000));
    QCOMPARE(panel->picture().width(), panel->picture().height());
    panel->findChild<QPushButton *>(QStringLiteral("PreviewAgain"))->click();
    QVERIFY(panel->settle(20000));
    QVERIFY(panel->findChild<QLabel *>(QStringLiteral("PreviewCaption"))->text()
            != QStringLiteral("近似预览 · 种子 1"));

    // On the script page, the text with its hand edits.
    for (int page = 0; page < WizardModel::kLastPage; ++page)
        model.next();
    model.setScript(QStringLiteral("<LAND_GENERATION>\nbase_terrain SNOW\nnomad_resources\n"));
    QVERIFY(panel->settle(20000));
    QCOMPARE(panel->findChild<QPlainTextEdit *>(QStringLiteral("PreviewNotes"))->toPlainText(),
             QStringLiteral("第 3 行：nomad_resources 未模拟"));
}

void GuiPreviewTest::toggleIsRemembered()
{
    const bool before = PreviewPanel::shownLastTime();
    for (bool shown : {!before, before}) {
        ScriptedDialogs dialogs;
        WizardModel model(&dialogs);
        MainWindow window(model);
        auto *toggle = window.findChild<QPushButton *>(QStringLiteral("PreviewToggle"));
        QCOMPARE(toggle->isChecked(), !shown);
        toggle->click();
        QCOMPARE(window.findChild<PreviewPanel *>()->isVisibleTo(&window), shown);
        QCOMPARE(PreviewPanel::shownLastTime(), shown);
    }
}

QTEST_MAIN(GuiPreviewTest)
#include "test_gui_preview.moc"
