#include "content/cyclemeanings.h"

#include "numerology/numerology.h"

#include <QCoreApplication>

namespace corvella {

QString shortMeaningOfCycle(int value)
{
    static const char* const lines[] = {
        QT_TRANSLATE_NOOP("CycleMeanings", "a time to begin something new and to lead it yourself"),
        QT_TRANSLATE_NOOP("CycleMeanings",
                          "a time for patience and partnership, to listen and let things ripen"),
        QT_TRANSLATE_NOOP("CycleMeanings",
                          "a time to express yourself, create, and enjoy the people around you"),
        QT_TRANSLATE_NOOP("CycleMeanings",
                          "a time for steady work, to lay foundations and finish what you start"),
        QT_TRANSLATE_NOOP("CycleMeanings",
                          "a time of change and freedom, to expect surprises and adapt to them"),
        QT_TRANSLATE_NOOP("CycleMeanings",
                          "a time for home and care, to look after family and mend ties"),
        QT_TRANSLATE_NOOP("CycleMeanings",
                          "a time to step back, study, and trust your inner voice"),
        QT_TRANSLATE_NOOP("CycleMeanings",
                          "a time for ambition and results, to take charge of money and work"),
        QT_TRANSLATE_NOOP("CycleMeanings",
                          "a time to finish, let go of what is done, and make room for the new"),
    };
    const int digit = numerology::reduce(value, false);
    return QCoreApplication::translate("CycleMeanings", lines[digit - 1]);
}

} // namespace corvella
