#include "window/table/transcript_model.h"

#include <gtest/gtest.h>

#include "form/commands.h"
#include "form/memory_form_fields.h"
#include "labbook/lab_book.h"

namespace corvale {
namespace {

// A name given for another role, the font say, would be read as that.
TEST(TranscriptModel, NamesItsColumnsAsTextOnly) {
  LabBook book;
  TranscriptModel model(&book);
  MemoryFormFields fields;
  fields.SetBox(Box::Loops, "1");
  model.Follow(OnCompute(book, fields).change);
  EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "Error");
  EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), "1");
  for (int role : {Qt::FontRole, Qt::SizeHintRole, Qt::TextAlignmentRole, Qt::DecorationRole}) {
    EXPECT_FALSE(model.headerData(3, Qt::Horizontal, role).isValid()) << role;
    EXPECT_FALSE(model.headerData(0, Qt::Vertical, role).isValid()) << role;
  }
}

}  // namespace
}  // namespace corvale
