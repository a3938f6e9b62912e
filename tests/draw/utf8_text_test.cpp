#include "draw/utf8_text.h"

#include <gtest/gtest.h>

namespace kep {
namespace {

TEST(Utf8TextTest, KeepsValidTextAndMasksEveryHighByteOfMalformedText) {
  EXPECT_EQ(ValidUtf8("X vs. Y"), "X vs. Y");
  EXPECT_EQ(ValidUtf8("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"),
            "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80");
  EXPECT_EQ(ValidUtf8("caf\xe9"), "caf?");           // Latin-1
  EXPECT_EQ(ValidUtf8("\xc3\xa9\xc3"), "???");       // cut short
  EXPECT_EQ(ValidUtf8("\xc0\xaf"), "??");            // overlong
  EXPECT_EQ(ValidUtf8("\xed\xa0\x80"), "???");       // surrogate
  EXPECT_EQ(ValidUtf8("\xf4\x90\x80\x80"), "????");  // beyond Unicode
  EXPECT_EQ(ValidUtf8("\x80"), "?");                 // stray continuation
}

}  // namespace
}  // namespace kep
