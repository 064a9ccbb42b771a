#include "preview/map_sizes.h"

namespace quorlin::preview {

const QVector<MapSize> &MapSizes()
{
    // clang-format off
    static const QVector<MapSize> sizes = {
        {"tiny",   QT_TRANSLATE_NOOP("Quorlin", "微型"), "TINY_MAP",     120},
        {"small",  QT_TRANSLATE_NOOP("Quorlin", "小型"), "SMALL_MAP",    144},
        {"medium", QT_TRANSLATE_NOOP("Quorlin", "中型"), "MEDIUM_MAP",   168},
        {"normal", QT_TRANSLATE_NOOP("Quorlin", "正常"), "LARGE_MAP",    200},
        {"large",  QT_TRANSLATE_NOOP("Quorlin", "大型"), "HUGE_MAP",     220},
        {"giant",  QT_TRANSLATE_NOOP("Quorlin", "巨型"), "GIGANTIC_MAP", kMaxSide},
    };
    // clang-format on
    return sizes;
}

int MapSizeIndex(const QString &option)
{
    const QVector<MapSize> &sizes = MapSizes();
    for (int i = 0; i < sizes.size(); ++i) {
        if (option == QLatin1String(sizes[i].option))
            return i;
    }
    return -1;
}

} // namespace quorlin::preview
