#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "foundation/checkedint.h"
#include "foundation/ubicutl.h"

namespace ubic {
namespace {

TEST(ModelNumbers, FloatEqualIsAlmostExact) {
  EXPECT_TRUE(FloatEqual(0, 1e-100));
  EXPECT_FALSE(FloatEqual(0, 2e-100));
  EXPECT_FALSE(FloatEqual(0.1 + 0.2, 0.3));
}

TEST(ModelNumbers, NormalizeScalesToTheTotal) {
  floatarray weights{1, 1, 2};
  NormalizeSum(weights, 100);
  EXPECT_EQ(weights, (floatarray{25, 25, 50}));

  floatarray zeros{0, 0};
  NormalizeSum(zeros, 100);
  EXPECT_EQ(zeros, (floatarray{0, 0}));
  floatarray cancelling{-1, 1};
  NormalizeSum(cancelling, 100);
  EXPECT_EQ(cancelling, (floatarray{-1, 1}));
  floatarray empty;
  NormalizeSum(empty, 100);
  NormalizeMax(empty, 100);
  EXPECT_TRUE(empty.empty());

  floatarray values{1, 4, 2};
  NormalizeMax(values, 100);
  EXPECT_EQ(values, (floatarray{25, 100, 50}));
  NormalizeMax(zeros, 1);
  EXPECT_EQ(zeros, (floatarray{0, 0}));
}

TEST(CheckedArithmetic, OverflowRaisesInsteadOfWrapping) {
  EXPECT_EQ(CheckedAdd(INT_MAX - 1, 1), INT_MAX);
  EXPECT_EQ(CheckedAdd(INT_MIN, INT_MAX), -1);
  EXPECT_THROW(CheckedAdd(INT_MAX, 1), EIntOverflow);
  EXPECT_THROW(CheckedAdd(INT_MIN, -1), EIntOverflow);
  EXPECT_EQ(CheckedMultiply(46340, 46340), 2147395600);
  EXPECT_THROW(CheckedMultiply(46341, 46341), EIntOverflow);
  EXPECT_THROW(CheckedMultiply(-1, INT_MIN), EIntOverflow);
}

TEST(CheckedArithmetic, RoundingTakesHalvesToEven) {
  EXPECT_EQ(RoundHalfToEven(0.5), 0);
  EXPECT_EQ(RoundHalfToEven(1.5), 2);
  EXPECT_EQ(RoundHalfToEven(2.5), 2);
  EXPECT_EQ(RoundHalfToEven(-0.5), 0);
  EXPECT_EQ(RoundHalfToEven(-1.5), -2);
  EXPECT_EQ(RoundHalfToEven(-2.6), -3);
  EXPECT_EQ(RoundHalfToEven(2147483647.4), INT_MAX);
  EXPECT_EQ(RoundHalfToEven(-2147483648.5), INT_MIN);
  EXPECT_THROW(RoundHalfToEven(2147483647.5), EIntOverflow);
  EXPECT_THROW(RoundHalfToEven(1e12), EIntOverflow);
  EXPECT_THROW(RoundHalfToEven(std::nan("")), EIntOverflow);
}

}  // namespace
}  // namespace ubic
