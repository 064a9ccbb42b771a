// The preview beside the pages: it follows the settings and the script page,
// its own controls, and shows only the newest picture.
#include <QtTest>

#include "preview/preview_text.h"
#include "test_gui_support.h"
#include "ui/page_split.h"
#include "ui/preview_panel.h"
#include "ui/preview_view.h"
#include "wizard/remembered_state.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>

using namespace quorlin;

class GuiPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void followsEveryChangeAndShowsTheNewest();
    void toggleIsRemembered();
    void choicesAreRememberedWithTheWindow();
    void aClickSaysWhatStandsThere();
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
    const QVector<quint8> first = panel->shown().grid.terrain;

    // Many changes at once: the picture that stays is the one of the last.
    for (int percent = 20; percent <= 80; percent += 10)
        model.setSlider(QStringLiteral("Slider1"), percent);
    QVERIFY(model.setText(QStringLiteral("Combo2"), QStringLiteral("沙漠")));
    QVERIFY(panel->settle(20000));
    preview::PreviewOptions options;
    options.sizeIndex = 2;
    options.seed = 1;
    QCOMPARE(panel->shown().grid.terrain, preview::BuildScriptPreview(model.assemble(), options).grid.terrain);
    QVERIFY(panel->shown().grid.terrain != first);

    panel->findChild<QCheckBox *>(QStringLiteral("PreviewSquare"))->click();
    QVERIFY(panel->settle(20000));
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

void GuiPreviewTest::choicesAreRememberedWithTheWindow()
{
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("quorlin.conf")), QSettings::IniFormat);
    RememberedState state(store);
    for (int run = 0; run < 2; ++run) {
        ScriptedDialogs dialogs;
        WizardModel model(&dialogs);
        MainWindow window(model, &state);
        window.show();
        window.showPreview(true);
        auto *panel = window.findChild<PreviewPanel *>();
        if (run == 0) {
            panel->choose(QStringLiteral("giant"), 6);
        } else {
            QCOMPARE(panel->sizeOption(), QStringLiteral("giant"));
            QCOMPARE(panel->players(), 6);
        }
        QVERIFY(window.close());
    }
    QCOMPARE(state.previewChoices().width >= PageSplit::kBesideWidth, true);
}

void GuiPreviewTest::aClickSaysWhatStandsThere()
{
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    MainWindow window(model);
    window.resize(1400, 800);
    window.show();
    window.showPreview(true);
    auto *panel = window.findChild<PreviewPanel *>();
    QVERIFY(panel->settle(20000));
    PreviewView *view = panel->view();
    QVERIFY(view->width() > 500); // the picture takes the room it is given
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(view->width() / 2, view->height() / 3));
    QVERIFY(view->chosenTile() >= 0);
    const QString report = panel->findChild<QLabel *>(QStringLiteral("PreviewTile"))->text();
    QCOMPARE(report, preview::TileReport(panel->shown(), view->chosenTile()));
    QVERIFY2(report.contains(QStringLiteral("行）")), qPrintable(report));
}

QTEST_MAIN(GuiPreviewTest)
#include "test_gui_preview.moc"
