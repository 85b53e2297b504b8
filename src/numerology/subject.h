#pragma once

namespace corvella::numerology {

// The fifteen numbers of a chart, in the catalogue's order: the catalogue's subject index of
// each is its value here.
enum Subject {
    LifePath,
    Expression,
    SoulsUrge,
    Personality,
    Birthday,
    LifePathExpressionBridge,
    HeartDesirePersonalityBridge,
    Balance,
    Maturity,
    Pinnacle,
    Challenge,
    LifePathPeriod,
    PersonalDay,
    PersonalMonth,
    PersonalYear,
    NumberCount
};

} // namespace corvella::numerology
