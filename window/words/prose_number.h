#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace corvale {

// Numbers as a sentence writes them in `locale`, grouped whatever the
// locale's own options say: a leading zero, five significant digits without
// trailing zeros, an exponent for magnitudes below 1e-4 and from 1e15 on
// (1e-300, 1.7e308), and no minus sign on zero.
QString ProseNumber(double value, const QLocale& locale);
// A percentage's number with one decimal, "4.8" ("0.0", never "-0.0").
QString ProsePercent(double percent, const QLocale& locale);
// A number with a fixed number of decimals, "0.00005", for the limits a
// sentence names.
QString ProseFixed(double value, int decimals, const QLocale& locale);
// Step numbers and counts, grouped.
QString ProseCount(std::int64_t count, const QLocale& locale);

}  // namespace corvale
