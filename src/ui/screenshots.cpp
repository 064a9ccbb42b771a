#include "ui/screenshots.h"

#include "core/scripted_dialogs.h"
#include "preview/map_sizes.h"
#include "ui/desktop_pictures.h"
#include "ui/frame_style.h"
#include "ui/live_check.h"
#include "ui/main_window.h"
#include "ui/preview_panel.h"
#include "ui/preview_view.h"
#include "ui/recent_drafts_button.h"
#include "ui/script_completer.h"
#include "ui/script_edit.h"
#include "ui/script_editor.h"
#include "ui/unit_picker.h"
#include "wizard/remembered_state.h"
#include "wizard/wizard_model.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>
#include <cstdio>

namespace quorlin {

namespace {

bool Saved(bool ok, const QString &path)
{
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(QDir::toNativeSeparators(path)));
    return ok;
}

bool Save(QWidget *widget, const QString &path)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return Saved(widget->grab().save(path), path);
}

// Something in every list, and on page 4 every frame shown, so that the
// pictures show each page at its fullest.
void Fill(WizardModel &model)
{
    model.setText(QStringLiteral("Combo15"), QStringLiteral("沙漠"));
    model.click(QStringLiteral("Command21"));
    model.click(QStringLiteral("Command21"));
    model.setOption(QStringLiteral("Option6"), true);
    model.click(QStringLiteral("Command4"));
    model.setText(QStringLiteral("Combo4"), QStringLiteral("雪"));
    model.click(QStringLiteral("Command4"));
    for (const char *unit : {"民兵", "骑士", "7"}) {
        model.setText(QStringLiteral("Label55"), QString::fromUtf8(unit));
        model.click(QStringLiteral("Command6"));
    }
    model.setText(QStringLiteral("Label55"), QStringLiteral("长弓手"));
    model.click(QStringLiteral("Command5"));
    for (const char *box : {"Check23", "Check24", "Check25", "Check26", "Check27", "Check28", "Check29"})
        model.setCheck(QString::fromLatin1(box), 1);
}

// A dark palette of the kind desktop themes use with the Fusion style.
QPalette DarkPalette()
{
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), text(0xf0, 0xf0, 0xf0), dim(0x80, 0x80, 0x80);
    QPalette p(text, window, window.lighter(130), window.darker(130), window.darker(115), text, text, base, window);
    p.setColor(QPalette::AlternateBase, window.lighter(110));
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dim);
    return p;
}

// Two slips of a hand edit in the players' lands, a number with a fraction and
// a misspelt attribute, so that the script page shows what its checks find;
// the view starts at that section. Waits (a few seconds at most) for the check.
void PlantSlips(MainWindow &window)
{
    auto *editor = window.findChild<ScriptEditor *>();
    if (!editor)
        return;
    ScriptEdit *edit = editor->edit();
    QString text = edit->toPlainText();
    const struct {
        const char *from, *to;
    } slips[] = {{"land_percent  50", "land_percent  2.5"}, {"base_size  10", "base_sise  10"}};
    for (const auto &slip : slips) {
        const QString from = QString::fromLatin1(slip.from);
        const int at = int(text.indexOf(from));
        if (at >= 0)
            text.replace(at, from.size(), QString::fromLatin1(slip.to));
    }
    QEventLoop wait;
    QObject::connect(editor->liveCheck(), &LiveCheck::checked, &wait, &QEventLoop::quit);
    QTimer::singleShot(5000, &wait, &QEventLoop::quit);
    edit->setPlainText(text);
    editor->liveCheck()->checkNow();
    wait.exec();
    const QTextBlock section = edit->document()->find(QStringLiteral("<LAND_GENERATION>")).block();
    if (section.isValid())
        edit->verticalScrollBar()->setValue(section.blockNumber());
}

// The window with a window of its own (a tooltip, a list) drawn over it
// where it stands.
bool SaveWithOverlay(QWidget *window, QWidget *over, const QString &path)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QPixmap picture = window->grab();
    if (over && over->isVisible()) {
        QPainter painter(&picture);
        const QPoint at = over->mapToGlobal(QPoint()) - window->mapToGlobal(QPoint());
        painter.drawPixmap(at, over->grab());
    }
    return Saved(picture.save(path), path);
}

// Islands raised out of the sea with beaches at their rims, a snow look
// laid over grass, forests and each player's gold kept to its island.
const char kIslandsScript[] = "<PLAYER_SETUP>\nrandom_placement\n"
                              "<LAND_GENERATION>\nbase_terrain DEEP_WATER\n"
                              "create_player_lands { terrain_type GRASS land_percent 40 base_size 10 base_elevation 4\n"
                              "  circle_radius 32 8 left_border 8 right_border 8 top_border 8 bottom_border 8\n"
                              "  border_fuzziness 10 other_zone_avoidance_distance 6 }\n"
                              "create_land { terrain_type DESERT number_of_tiles 700 land_position 50 50 base_elevation 2\n"
                              "  land_id 9 }\n"
                              "<TERRAIN_GENERATION>\n"
                              "create_terrain BEACH { base_terrain GRASS land_percent 40 number_of_clumps 60 height_limits 0 1 }\n"
                              "create_terrain BEACH { base_terrain DESERT land_percent 10 height_limits 0 0 }\n"
                              "create_terrain SNOW { base_terrain GRASS land_percent 8 number_of_clumps 6 terrain_mask 1 }\n"
                              "create_terrain FOREST { base_terrain GRASS land_percent 9 number_of_clumps 14\n"
                              "  set_avoid_player_start_areas }\n"
                              "create_terrain WATER { base_terrain DEEP_WATER land_percent 20 number_of_clumps 30 }\n"
                              "<OBJECTS_GENERATION>\n"
                              "create_object GOLD { number_of_objects 5 number_of_groups 2 set_tight_grouping\n"
                              "  set_place_for_every_player min_distance_to_players 8 max_distance_to_players 16 }\n"
                              "create_object RELIC { number_of_objects 3 place_on_specific_land_id 9 }\n"
                              "create_object DEER { number_of_objects 4 set_place_for_every_player place_on_forest_zone\n"
                              "  max_distance_to_players 20 }\n"
                              "create_object SHORE_FISH { number_of_objects 40 min_distance_to_map_edge 4 }\n";

// The script page helping with the language: the meaning of a word under
// the mouse, and the completion list for a word begun in a block.
bool ShootHelp(MainWindow &window, const QDir &out)
{
    auto *editor = window.findChild<ScriptEditor *>();
    if (!editor)
        return false;
    ScriptEdit *edit = editor->edit();
    const QTextCursor word = edit->document()->find(QStringLiteral("land_percent"));
    if (word.isNull())
        return false;
    QTextCursor start(word);
    start.setPosition(word.selectionStart() + 3);
    const QPoint point = edit->cursorRect(start).center();
    QHelpEvent help(QEvent::ToolTip, point, edit->viewport()->mapToGlobal(point));
    QCoreApplication::sendEvent(edit->viewport(), &help);
    QWidget *tip = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("qtooltip_label") && top->isVisible())
            tip = top;
    bool ok = SaveWithOverlay(&window, tip, out.filePath(QStringLiteral("script_hover.png")));
    QToolTip::hideText();

    QTextCursor end(word.block());
    end.movePosition(QTextCursor::EndOfBlock);
    edit->setTextCursor(end);
    edit->setFocus();
    edit->insertPlainText(QStringLiteral("\n  b"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(edit, &press);
    QAbstractItemView *list = edit->completer()->completer()->popup();
    ok = SaveWithOverlay(&window, list, out.filePath(QStringLiteral("script_completion.png"))) && ok;
    list->hide();
    edit->undo();
    edit->undo();
    return ok;
}

int Shoot(const QString &dir)
{
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "quorlin: cannot make %s\n", qPrintable(dir));
        return 1;
    }
    const QDir out(dir);
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    model.setDate(QStringLiteral("2024/5/1"));
    // A store of its own, with a few drafts of a designer's, never the user's settings.
    QTemporaryDir storeDir;
    QSettings store(storeDir.filePath(QStringLiteral("quorlin.conf")), QSettings::IniFormat);
    RememberedState state(store);
    for (const char *draft : {"丘陵.qlx", "海岛争霸.qlx", "黑森林.qlx"})
        state.noteDraft(QStringLiteral("/home/designer/地图/") + QString::fromUtf8(draft));
    MainWindow window(model, &state);
    window.buildAllPages();
    window.show();
    Fill(model);

    // The icon on the window's frame and in the application menu.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QString framed = out.filePath(QStringLiteral("window_icon.png"));
    bool ok = Saved(FramedWindowPicture(&window).save(framed), framed);
    const QString entry = out.filePath(QStringLiteral("menu_entry.png"));
    ok = Saved(DesktopEntryPicture().save(entry), entry) && ok;
    auto *recent = window.findChild<RecentDraftsButton *>(QStringLiteral("RecentDrafts"));
    recent->refresh();
    recent->menu()->popup(recent->mapToGlobal(QPoint(0, recent->height())));
    ok = Save(recent->menu(), out.filePath(QStringLiteral("recent_drafts.png"))) && ok;
    recent->menu()->hide();

    for (int page = 0; page < WizardModel::kLastPage; ++page) {
        ok = Save(&window, out.filePath(QStringLiteral("page%1.png").arg(page))) && ok;
        model.next();
    }
    PlantSlips(window);
    ok = Save(&window, out.filePath(QStringLiteral("page%1.png").arg(WizardModel::kLastPage))) && ok;
    ok = ShootHelp(window, out) && ok;

    // The preview beside the first page, for every map size, and then beside
    // every page, in a window of 1024×768 (without remembering it as shown).
    const QSize normal = window.size();
    dialogs.answers.append(Answer::No); // starting over lets the slips' hand edits go
    for (int page = model.page(); page > 0; --page)
        model.back();
    window.showPreview(true);
    window.resize(1024, 768);
    auto *preview = window.findChild<PreviewPanel *>();
    auto *sizes = preview->findChild<QComboBox *>(QStringLiteral("PreviewSize"));
    for (int size = 0; size < preview::MapSizes().size(); ++size) {
        sizes->setCurrentIndex(size);
        const QString name = QStringLiteral("preview_%1.png").arg(QLatin1String(preview::MapSizes()[size].option));
        ok = preview->settle(20000) && Save(&window, out.filePath(name)) && ok;
    }
    preview->choose(QStringLiteral("medium"), 4);
    // A tile of the first player's land chosen, as a click there would.
    preview->settle(20000);
    if (const int origin = preview->shown().playerOrigins.value(0, -1); origin >= 0)
        preview->view()->chooseTile(origin);
    for (int page = 0; page <= WizardModel::kLastPage; ++page) {
        const QString name = QStringLiteral("preview_page%1.png").arg(page);
        ok = preview->settle(20000) && Save(&window, out.filePath(name)) && ok;
        if (page < WizardModel::kLastPage)
            model.next();
    }
    // The script page's own text, raised islands on masked terrain: the
    // preview follows it as it follows any hand edit, which is undone after.
    if (auto *editor = window.findChild<ScriptEditor *>()) {
        window.resize(1400, 900);
        QTextCursor all(editor->edit()->document());
        all.beginEditBlock();
        all.select(QTextCursor::Document);
        all.insertText(QString::fromLatin1(kIslandsScript));
        all.endEditBlock();
        ok = preview->settle(20000) && Save(&window, out.filePath(QStringLiteral("preview_islands.png"))) && ok;
        editor->edit()->undo();
        ok = preview->settle(20000) && ok;
    }
    window.showPreview(false);
    window.resize(normal);

    window.findChild<QPushButton *>(QStringLiteral("Command8"))->click();
    UnitPicker *picker = window.picker();
    if (!picker)
        return 1;
    ok = Save(picker, out.filePath(QStringLiteral("picker.png"))) && ok;
    picker->findChild<QRadioButton *>(QStringLiteral("Option7"))->click();
    picker->findChild<QComboBox *>(QStringLiteral("Combo7"))->setCurrentIndex(7);
    ok = Save(picker, out.filePath(QStringLiteral("picker_unique_units.png"))) && ok;
    picker->reject();
    return ok ? 0 : 1;
}

} // namespace

int TakeScreenshots(const QString &dir)
{
    // As the platform draws them; then in a dark palette, and with text half
    // as large again, each in a folder of its own.
    const bool framed = dynamic_cast<FrameStyle *>(QApplication::style()) != nullptr;
    const QString style = QApplication::style()->name();
    const QPalette palette = QApplication::palette();
    const QFont font = QApplication::font();
    int code = Shoot(dir);

    QApplication::setStyle(new FrameStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QApplication::setPalette(DarkPalette());
    code = qMax(code, Shoot(QDir(dir).filePath(QStringLiteral("dark"))));

    QApplication::setStyle(framed ? new FrameStyle(QStyleFactory::create(QStringLiteral("Fusion")))
                                  : QStyleFactory::create(style));
    QApplication::setPalette(palette);
    QFont large = font;
    large.setPointSizeF(font.pointSizeF() * 1.5);
    QApplication::setFont(large);
    code = qMax(code, Shoot(QDir(dir).filePath(QStringLiteral("large-text"))));
    QApplication::setFont(font);
    return code;
}

} // namespace quorlin
