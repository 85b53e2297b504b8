#include "numerology/ordinals.h"

#include <QCoreApplication>

#include <algorithm>

namespace corvella::numerology {

QString ordinalWord(int place)
{
    static const char* const words[] = {
        QT_TRANSLATE_NOOP("Ordinals", "First"),
        QT_TRANSLATE_NOOP("Ordinals", "Second"),
        QT_TRANSLATE_NOOP("Ordinals", "Third"),
        QT_TRANSLATE_NOOP("Ordinals", "Fourth"),
    };
    return QCoreApplication::translate("Ordinals", words[std::clamp(place, 0, 3)]);
}

} // namespace corvella::numerology
