// What the window's thread spends on a page change, on a change that the
// preview redraws, and on a resize that draws the map again at its new size,
// off screen in a 1024×768 window with the preview beside the pages, on the
// fullest draft and a Giant map with 8 players. Each is timed in the thread's
// CPU time from the change to its repaint; the map itself is built on a
// worker thread and not counted. The 90th percentile of each must stay within
// the target.
//
//   QT_QPA_PLATFORM=offscreen quorlin_layout_bench MAX.qlx [ROUNDS]   (make bench-layout)
#include "core/scripted_dialogs.h"
#include "ui/main_window.h"
#include "ui/preview_panel.h"
#include "wizard/wizard_model.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace quorlin;

namespace {

constexpr double kTargetMs = 50;

double ThreadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Prints the figures; true when the 90th percentile is within the target.
bool Report(const char *what, QVector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const double p90 = ms[ms.size() * 9 / 10];
    std::printf("%s: median %.1f ms, 90th percentile %.1f ms, worst %.1f ms (%lld samples); target %.0f ms: %s\n", what,
                ms[ms.size() / 2], p90, ms.back(), static_cast<long long>(ms.size()), kTargetMs,
                p90 <= kTargetMs ? "ok" : "MISSED");
    return p90 <= kTargetMs;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quorlin_layout_bench DRAFT.qlx [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    MainWindow window(model);
    window.buildAllPages();
    window.resize(1024, 768);
    window.show();
    window.showPreview(true);
    if (!model.openDraftFile(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    auto *panel = window.findChild<PreviewPanel *>();
    panel->choose(QStringLiteral("giant"), 8);
    auto settled = [&] {
        if (!panel->settle(60000))
            std::fprintf(stderr, "the preview did not come within a minute\n");
        window.repaint();
    };
    settled();

    QVector<double> pages, redraws, resizes;
    for (int round = 0; round < rounds; ++round) {
        // A page change, with the preview of the new page's script asked for.
        for (int step = 0; step < 2 * (WizardModel::kLastPage - 1); ++step) {
            const double start = ThreadMs();
            step < WizardModel::kLastPage - 1 ? model.next() : model.back();
            QApplication::processEvents();
            window.repaint();
            pages << ThreadMs() - start;
            settled();
        }
        // A setting changed and the new map shown; sleeping while the worker builds it costs the thread nothing.
        const double start = ThreadMs();
        model.setSlider(QStringLiteral("Slider1"), 30 + round % 2 * 20);
        settled();
        redraws << ThreadMs() - start;
        const double before = ThreadMs();
        window.resize(1024 - round % 2 * 40, 768);
        window.repaint();
        resizes << ThreadMs() - before;
    }
    const bool ok = Report("a page change", pages) & Report("a change redrawn by the preview", redraws)
                    & Report("a resize of the window", resizes);
    return ok ? 0 : 1;
}
