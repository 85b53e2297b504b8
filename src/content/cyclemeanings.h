#pragma once

#include <QString>

namespace corvella {

// A line on what a Personal Year or Personal Month of this value asks of you ("a time to ...");
// a master number reads as its digit.
QString shortMeaningOfCycle(int value);

} // namespace corvella
