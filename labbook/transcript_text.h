#pragma once

#include <string>

#include "labbook/lab_book.h"

namespace corvale {

// The transcript as text, made from the lab book's rows: the column names
// (since the first Compute), then a row per step, each after CR LF, in the
// book's decimal separator. What the table shows and a copy carries, row by
// row, is the same text.
std::string TranscriptText(const LabBook& book);

}  // namespace corvale
