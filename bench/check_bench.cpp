// Times checking a large script (`make bench-check`): the golden scripts and
// the hand-written samples one after another until the text is 500 KB,
// checked in the modern dialect (what most published scripts are written
// for, and where the samples raise next to nothing, so that the problem list
// never fills and cuts the check short), 31 times; prints the median wall-clock and
// processor time and fails when the processor time's median is above the
// limit given with --at-most MS. Processor time is what the check costs
// whatever else the machine runs; on an idle machine the two agree.
#include "lang/check.h"
#include "lang/reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace quorlin;

namespace {

double ThreadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--at-most")));
    const double limit = at > 0 ? args.value(at + 1).toDouble() : 0;
    const int rounds = 31;

    QStringList parts;
    for (const char *folder : {"/golden", "/lang"}) {
        const QDir dir(QStringLiteral(QUORLIN_TEST_DATA) + QLatin1String(folder));
        for (const QString &name : dir.entryList({QStringLiteral("*.rms")})) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                parts << lang::DecodeScript(file.readAll());
        }
    }
    QString text;
    qsizetype lines = 0;
    for (int i = 0; text.toUtf8().size() < 500 * 1024; ++i) {
        text += parts[i % parts.size()] + QLatin1Char('\n');
        lines += parts[i % parts.size()].count(QLatin1Char('\n')) + 1;
    }

    std::vector<double> wall, cpu;
    qsizetype problems = 0;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double start = ThreadMs();
        problems = lang::CheckScript(text, lang::Dialect::Modern).size();
        cpu.push_back(ThreadMs() - start);
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double median = Median(cpu);
    std::printf("checking %lld lines (%lld bytes as UTF-8, %lld problems), median of %d rounds: "
                "%.2f ms processor time, %.2f ms wall-clock\n",
                static_cast<long long>(lines), static_cast<long long>(text.toUtf8().size()),
                static_cast<long long>(problems), rounds, median, Median(wall));
    if (limit > 0 && median > limit) {
        std::printf("above the limit of %.1f ms\n", limit);
        return 1;
    }
    return 0;
}
