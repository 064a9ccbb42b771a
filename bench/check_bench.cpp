// Times checking a large script (`make bench-check`): the golden scripts and
// the hand-written samples one after another until the text is 20,000 lines,
// checked in the classic dialect, ROUNDS times; prints the median and fails
// when it is above the limit given with --at-most MS.
#include "lang/check.h"
#include "lang/reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quorlin;

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
    QStringList lines;
    for (int i = 0; lines.size() < 20000; ++i)
        lines += parts[i % parts.size()].split(QLatin1Char('\n'));
    lines = lines.mid(0, 20000);
    const QString text = lines.join(QLatin1Char('\n'));

    std::vector<double> ms;
    qsizetype problems = 0;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        problems = lang::CheckScript(text).size();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("checking %lld lines (%lld bytes as UTF-8, %lld problems): median %.2f ms of %d rounds "
                "(fastest %.2f, slowest %.2f)\n",
                static_cast<long long>(lines.size()), static_cast<long long>(text.toUtf8().size()),
                static_cast<long long>(problems), median, rounds, ms.front(), ms.back());
    if (limit > 0 && median > limit) {
        std::printf("above the limit of %.1f ms\n", limit);
        return 1;
    }
    return 0;
}
