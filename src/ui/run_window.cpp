#include "ui/run_window.h"

#include "ui/desktop_pictures.h"
#include "ui/frame_style.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/screenshots.h"
#include "wizard/remembered_state.h"
#include "wizard/wizard_model.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QSettings>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

namespace quorlin {

namespace {

// Watches the window's first show and first paint: prints the times when
// QUORLIN_STARTUP_TIMING is set, and ends the program there when asked to;
// otherwise gives the window its icon.
class StartupProbe : public QObject {
public:
    StartupProbe(const QElapsedTimer &clock, bool print, bool quit) : clock_(clock), print_(print), quit_(quit) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && shownAt_ < 0)
            shownAt_ = clock_.elapsed();
        if (event->type() == QEvent::Paint && shownAt_ >= 0) {
            watched->removeEventFilter(this);
            if (print_)
                std::fprintf(stderr, "quorlin: window shown after %lld ms, first page painted after %lld ms\n",
                             static_cast<long long>(shownAt_), static_cast<long long>(clock_.elapsed()));
            if (quit_)
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            else
                // Decoding and scaling the icon is work the first page need
                // not wait for; until then the desktop shows the menu entry's.
                QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(AppIcon()); });
        }
        return false;
    }

private:
    const QElapsedTimer clock_;
    bool print_, quit_;
    qint64 shownAt_ = -1;
};

} // namespace

QTranslator *InstallQtTranslations()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

int RunWindow(int argc, char *argv[], const WindowOptions &options)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorlin"));
    QApplication::setOrganizationName(QStringLiteral("Quorlin"));
    // Ties the window to its menu entry, whose icon the desktop shows for it.
    QApplication::setDesktopFileName(QStringLiteral(QUORLIN_APP_ID));
    InstallQtTranslations();
    if (FrameStyle *style = FrameStyle::overSystemStyle())
        QApplication::setStyle(style);
    if (!options.screenshots.isEmpty()) {
        QApplication::setWindowIcon(AppIcon());
        return TakeScreenshots(options.screenshots);
    }

    // ~/.config/Quorlin/Quorlin.conf, or where XDG_CONFIG_HOME points.
    QSettings store;
    RememberedState state(store);
    QtDialogs dialogs;
    dialogs.rememberIn(&state);
    WizardModel model(&dialogs);
    MainWindow window(model, &state);
    // Timing the first page alone: nothing else is started behind it.
    window.setIdleBuilding(!options.quitAfterShow);
    dialogs.setParent(&window);

    StartupProbe probe(options.processClock, qEnvironmentVariableIsSet("QUORLIN_STARTUP_TIMING"),
                       options.quitAfterShow);
    window.installEventFilter(&probe);
    window.show();

    const QString draft = options.draft;
    if (!draft.isEmpty()) {
        // Opened once the window is up, so an error shows over an unchanged window.
        // A map script (the menu entry also takes them) goes to the script page.
        QTimer::singleShot(0, &window, [&window, &model, draft] {
            if (draft.endsWith(QLatin1String(".rms"), Qt::CaseInsensitive))
                model.openScriptFile(draft);
            else
                window.openDraftFile(draft);
        });
    }
    return app.exec();
}

} // namespace quorlin
