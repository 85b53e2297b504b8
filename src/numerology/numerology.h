#pragma once

// The arithmetic behind the learner's own chart: letter values, reduction, and each of the
// fifteen numbers together with its working, written in the form the calculation texts use.
// No widgets here; the window only shows what these functions return.
//
// One header for callers; the core itself is kept by concern:
//   rules.h      every choice in which numerologists differ, and the ones the lessons teach
//   subject.h    the fifteen numbers, in the catalogue's order
//   letters.h    letter values, vowels, and the reading of a typed name or date
//   reduction.h  digit sums and reduction, with or without the master numbers
//   numbers.h    the fifteen numbers of a chart with their working (chartByRules)
//   cycles.h     when the Pinnacles, Challenges and Periods run; the Personal Years ahead
//   methods.h    the other common methods, and the chart with a note for each (calculateChart)
// working.h (the sums written out) and chartparts.h (the pieces of a chart) serve the core
// alone.

#include "numerology/cycles.h"
#include "numerology/letters.h"
#include "numerology/methods.h"
#include "numerology/numbers.h"
#include "numerology/reduction.h"
#include "numerology/rules.h"
#include "numerology/subject.h"
