#include "lang/vocabulary.h"

namespace quorlin::lang {

WordKind KindOfWord(QStringView word)
{
    Q_UNUSED(word);
    return WordKind::Unknown;
}

} // namespace quorlin::lang
