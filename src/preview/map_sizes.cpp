#include "preview/map_sizes.h"

namespace quorlin::preview {

const QVector<MapSize> &MapSizes()
{
    // The newer labels go by the side: its 240 tiles are MAPSIZE_HUGE.
    // clang-format off
    static const QVector<MapSize> sizes = {
        {"tiny",   QT_TRANSLATE_NOOP("Quorlin", "微型"), "TINY_MAP",     "MAPSIZE_TINY",   120},
        {"small",  QT_TRANSLATE_NOOP("Quorlin", "小型"), "SMALL_MAP",    "MAPSIZE_SMALL",  144},
        {"medium", QT_TRANSLATE_NOOP("Quorlin", "中型"), "MEDIUM_MAP",   "MAPSIZE_MEDIUM", 168},
        {"normal", QT_TRANSLATE_NOOP("Quorlin", "正常"), "LARGE_MAP",    "MAPSIZE_NORMAL", 200},
        {"large",  QT_TRANSLATE_NOOP("Quorlin", "大型"), "HUGE_MAP",     "MAPSIZE_LARGE",  220},
        {"giant",  QT_TRANSLATE_NOOP("Quorlin", "巨型"), "GIGANTIC_MAP", "MAPSIZE_HUGE",   kMaxSide},
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
