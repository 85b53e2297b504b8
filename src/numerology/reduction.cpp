#include "numerology/reduction.h"

#include <QString>

#include <cstdlib>

namespace corvella::numerology {

int digitSum(int n)
{
    int sum = 0;
    for (n = std::abs(n); n > 0; n /= 10)
        sum += n % 10;
    return sum;
}

int reduce(int n, bool keepMasters, bool keep33)
{
    return internal::reduced(n, internal::Keep(keepMasters, keep33));
}

namespace internal {

bool isMaster(int n, Keep keep)
{
    return keep.masters && (n == 11 || n == 22 || (keep.with33 && n == 33));
}

bool stops(int n, Keep keep)
{
    return n <= 9 || isMaster(n, keep);
}

int reduced(int n, Keep keep)
{
    while (!stops(n, keep))
        n = digitSum(n);
    return n;
}

QList<int> digitsOf(int n)
{
    QList<int> digits;
    for (QChar c : QString::number(n))
        digits << c.digitValue();
    return digits;
}

QList<int> digitsOf(std::initializer_list<int> numbers)
{
    QList<int> digits;
    for (int n : numbers)
        digits << digitsOf(n);
    return digits;
}

int sumOf(const QList<int>& numbers)
{
    int sum = 0;
    for (int n : numbers)
        sum += n;
    return sum;
}

} // namespace internal

} // namespace corvella::numerology
