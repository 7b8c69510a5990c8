#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "simulation/step.h"

namespace corvale {

// The transcript is TAB-separated columns, one line per step. Each line break
// (CR LF) stands before the row it introduces, so the text never ends with one.

std::string HeaderText();

// Step, X, PV, Error, P, I and D.
inline constexpr std::size_t kColumns = 7;
using Fields = std::array<std::string_view, kColumns>;

// A row's values after its step, in the columns' order: the one list that
// the row's text, its length, the table's cells and the columns' ranges
// follow.
inline std::array<double, kColumns - 1> ColumnValues(const StepRecord& r) {
  return {r.X, r.PV, r.Error, r.P, r.I, r.D};
}

// A line's TAB-separated fields; those it lacks are empty, and the last one
// keeps whatever stands after the seventh field's TAB.
Fields SplitFields(std::string_view line);

// Appends the step's row: CR LF, then its seven fields.
void RowText(std::string& out, const StepRecord& record, std::string_view decimalSeparator);

// The value rounded to four decimals: first to 15 significant digits, then to
// four places with ties away from zero. All integer digits and no exponent
// however large; no digit before the separator when the integer part is 0; a
// minus sign whenever the value is below zero, also when it rounds to zero.
std::string FormatValue(double value, std::string_view decimalSeparator);
void AppendFormattedValue(std::string& out, double value, std::string_view decimalSeparator);

// The sizes in bytes of those texts, worked out without writing them, so that
// a run can be held to its text budget at a small part of the cost.
std::size_t FormattedLength(double value, std::size_t separatorBytes);
std::size_t RowTextLength(const StepRecord& record, std::size_t separatorBytes);

}  // namespace corvale
