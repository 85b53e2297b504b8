#pragma once

#include "numerology/reduction.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The working written out: how the sums of a chart read, in the form the calculation texts
// use. Used by the numerology core alone.

namespace corvella::numerology::working {

using namespace internal;

QString num(int n);
// "8 + 5 = 13"; a single number stands alone.
QString added(const QList<int>& numbers);
// "8 - 4 = 4": the smaller from the larger.
QString difference(int a, int b);
// Each addition of digits on the way from n to its reduced form: "6 + 6 = 12", "1 + 2 = 3".
QStringList reductionSteps(int n, Keep keep);
// The sums that make a total, carried on to its reduced form on the same line: "5 + 9 = 14,
// 1 + 4 = 5", or "2 + 9 = 11, a master number, so it is left as 11".
QString carriedOn(const QString& sums, int total, Keep keep);
// The lines that follow a total: one per step, the last naming a kept master number.
QStringList reductionLines(int total, Keep keep);
// "K and O", "A, B and C".
QString listed(const QStringList& items);
// "10: 1 + 0 = 1", or "7" when there is nothing to reduce.
QString withReduction(int n, Keep keep);

enum class DatePart { Month, Day, Year };

// "month 10: 1 + 0 = 1", or "month 7" when there is nothing to reduce.
QString labelled(DatePart part, int n, Keep keep);
// "August 31, 1983 reduced: month 8; day 31: 3 + 1 = 4; year 1983: 1 + 9 + 8 + 3 = 21, ..."
QString reducedDateLine(const QDate& birth, Keep keep);
// "Life Path 11, which counts here as 1 + 1 = 2"
QString asSingleDigit(const QString& name, int value);
// "Life Path", as the sums name it (asSingleDigit).
QString lifePathName();

// "3, 7, 1, 11"
QString valuesText(const QList<int>& values);
// "K = 2, A = 1, T = 2": each letter with its value.
QString valuedLetters(const QStringList& letters);

} // namespace corvella::numerology::working
