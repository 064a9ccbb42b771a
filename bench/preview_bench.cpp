// Times the full preview of a script, from its text to the picture: the plan,
// the map and the drawing, for a Medium and a Giant map with 8 players (with
// --heavy, a Giant map alone and the heavy script's target). Each round takes
// another seed; the median of the rounds is compared with its target
// (wall-clock time; the thread's CPU time is printed beside it).
//
//   quorlin_preview_bench [--heavy | --size SIZE] SCRIPT.rms [ROUNDS]
//
// --size times one map size alone against the target of its kind, for
// profiling one size at a time.
#include "lang/reader.h"
#include "preview/map_sizes.h"
#include "preview/preview_drawing.h"
#include "preview/preview_engine.h"
#include "preview/script_plan.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

using namespace quorlin::preview;

namespace {

// The targets, in milliseconds of the median round.
constexpr double kMediumTarget = 6, kGiantTarget = 15, kHeavyTarget = 150;

double CpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Returns whether the median stayed within `target` milliseconds.
bool Time(const QString &script, const char *size, double target, int rounds)
{
    const int index = MapSizeIndex(QString::fromLatin1(size));
    std::vector<double> wall, cpu, reading, building, drawing;
    for (int round = 0; round < rounds; ++round) {
        PreviewOptions options;
        options.sizeIndex = index;
        options.players = 8;
        options.seed = quint64(round + 1);
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = CpuMs();
        const MapPlan plan = PlanScript(script, options);
        const double planned = timer.nsecsElapsed() / 1e6;
        const PreviewResult result = BuildPreview(plan, options);
        const double built = timer.nsecsElapsed() / 1e6;
        const QImage image = DrawPreview(result, false);
        cpu.push_back(CpuMs() - cpuStart);
        wall.push_back(timer.nsecsElapsed() / 1e6);
        reading.push_back(planned);
        building.push_back(built - planned);
        drawing.push_back(wall.back() - built);
    }
    const double median = Median(wall);
    std::printf("full preview, %s (%d): median %.1f ms (CPU %.1f ms) of %d rounds; target %.0f ms: %s\n", size,
                MapSizes()[index].side, median, Median(cpu), rounds, target, median <= target ? "ok" : "MISSED");
    std::printf("  of which: reading the script %.1f ms, building the map %.1f ms, drawing %.1f ms\n", Median(reading),
                Median(building), Median(drawing));
    return median <= target;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const bool heavy = argc > 1 && std::strcmp(argv[1], "--heavy") == 0;
    const char *only = argc > 2 && std::strcmp(argv[1], "--size") == 0 ? argv[2] : nullptr;
    if (heavy) {
        --argc;
        ++argv;
    } else if (only) {
        argc -= 2;
        argv += 2;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: quorlin_preview_bench [--heavy | --size SIZE] SCRIPT.rms [ROUNDS]\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString script = quorlin::lang::DecodeScript(file.readAll());
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
    if (heavy)
        return Time(script, "giant", kHeavyTarget, rounds) ? 0 : 1;
    if (only)
        return Time(script, only, std::strcmp(only, "giant") == 0 ? kGiantTarget : kMediumTarget, rounds) ? 0 : 1;
    const bool medium = Time(script, "medium", kMediumTarget, rounds);
    const bool giant = Time(script, "giant", kGiantTarget, rounds);
    return medium && giant ? 0 : 1;
}
