#pragma once

#include <QList>

#include <initializer_list>

namespace corvella::numerology {

int digitSum(int n);
// Adds the digits again and again until a single digit is left, or 11 or 22 when kept (and 33
// with keep33).
int reduce(int n, bool keepMasters, bool keep33 = false);

// What the core's own files share; callers use the two above.
namespace internal {

// Which totals a reduction stops at besides single digits: 11 and 22, and 33 when with33.
struct Keep
{
    bool masters = false;
    bool with33 = false;
    Keep(bool keepMasters) : masters(keepMasters) {} // NOLINT: a plain bool means 11 and 22
    Keep(bool keepMasters, bool keep33) : masters(keepMasters), with33(keepMasters && keep33) {}
    explicit operator bool() const { return masters; }
};

bool isMaster(int n, Keep keep);
// Whether a reduction ends at n: a single digit or a kept master number.
bool stops(int n, Keep keep);
int reduced(int n, Keep keep);

// The decimal digits of n; of several numbers, one after another.
QList<int> digitsOf(int n);
QList<int> digitsOf(std::initializer_list<int> numbers);
int sumOf(const QList<int>& numbers);

} // namespace internal

} // namespace corvella::numerology
