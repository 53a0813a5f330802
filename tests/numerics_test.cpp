#include "numerics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "capture.h"

namespace {

TEST(ComplexTest, NegativeZeroEqualsZero) {
  EXPECT_EQ(Complex(-0.0, 0.0), Complex());
  EXPECT_EQ(-Complex(), Complex());
  EXPECT_FALSE(Complex(0.0, 1e-300) == Complex());
}

TEST(ComplexTest, DivisionFollowsTheTextbookFormula) {
  // (1 + 2j) / (3 + 4j) = (11 + 2j) / 25
  const Complex q = Complex(1.0, 2.0) / Complex(3.0, 4.0);
  EXPECT_EQ(q.re, 11.0 / 25.0);
  EXPECT_EQ(q.im, 2.0 / 25.0);
  // A real over a complex: -1 / (0 + 2j) = 0.5j
  EXPECT_EQ(-1.0 / Complex(0.0, 2.0), Complex(0.0, 0.5));
  // No scaling of the operands: b.re^2 overflows and the quotient collapses to 0.
  EXPECT_EQ(Complex(1.0, 0.0) / Complex(1e200, 0.0), Complex());
}

using Block = std::vector<std::vector<Complex>>;

struct InversionCase {
  const char* name;
  int order;
  Block block;        // loaded at [1][1]; the rest of the store holds a sentinel
  bool inverted;      // what invert_matrix returns
  std::string printed;
  Block inverse;      // expected within 1e-15, when given
};

constexpr Complex kSentinel(7.25, -3.5);

InversionStore store_with(const Block& block) {
  InversionStore A;
  for (auto& row : A.element) {
    for (auto& element : row) {
      element = kSentinel;
    }
  }
  for (std::size_t i = 0; i < block.size(); ++i) {
    for (std::size_t j = 0; j < block.size(); ++j) {
      A[static_cast<int>(i) + 1][static_cast<int>(j) + 1] = block[i][j];
    }
  }
  return A;
}

const std::vector<InversionCase>& inversion_cases() {
  static const std::vector<InversionCase> cases = {
      {"order_0_does_nothing", 0, {}, true, "", {}},
      {"order_1_is_the_reciprocal", 1, {{Complex(1.0, 1.0)}}, true, "", {{Complex(0.5, -0.5)}}},
      {"real_symmetric", 2,
       {{Complex(2.0), Complex(1.0)}, {Complex(1.0), Complex(3.0)}},
       true, "",
       {{Complex(0.6), Complex(-0.2)}, {Complex(-0.2), Complex(0.4)}}},
      {"complex_not_symmetric", 2,
       {{Complex(1.0, 1.0), Complex(1.0)}, {Complex(0.0), Complex(1.0, -1.0)}},
       true, "",
       {{Complex(0.5, -0.5), Complex(-0.5)}, {Complex(0.0), Complex(0.5, 0.5)}}},
      {"order_3_complex", 3,
       {{Complex(4.0, 1.0), Complex(7.0), Complex(2.0, -1.0)},
        {Complex(3.0), Complex(6.0, 2.0), Complex(1.0)},
        {Complex(2.0, 0.5), Complex(5.0), Complex(3.0, 1.0)}},
       true, "", {}},
      {"tiny_pivot_is_not_zero", 2,
       {{Complex(1e-12), Complex(0.0)}, {Complex(0.0), Complex(1.0)}},
       true, "", {}},
      // Non-singular, but no exchange of rows is tried.
      {"zero_first_pivot", 2,
       {{Complex(0.0), Complex(1.0)}, {Complex(1.0), Complex(0.0)}},
       false, "\n zero on diag   1   0.000   1.000 \n", {}},
      {"negative_zero_pivot", 2,
       {{Complex(-0.0, 0.0), Complex(1.0)}, {Complex(1.0), Complex(0.0)}},
       false, "\n zero on diag   1  -0.000   1.000 \n", {}},
      // The order-1 sweep is empty, so nothing is printed, but the caller hears of it.
      {"zero_pivot_of_order_1", 1, {{Complex(0.0)}}, false, "", {}},
      // Reported for every element of the sweep: (2,2), (2,3), (3,2), (3,3).
      {"zero_pivot_of_order_3", 3,
       {{Complex(0.0), Complex(2.0), Complex(3.0)},
        {Complex(1.0), Complex(1.0), Complex(0.0)},
        {Complex(1.0), Complex(0.0), Complex(1.0)}},
       false,
       "\n zero on diag   1   0.000   2.000 \n"
       "\n zero on diag   1   0.000   3.000 \n"
       "\n zero on diag   1   0.000   2.000 \n"
       "\n zero on diag   1   0.000   3.000 \n",
       {}},
      // Beyond the 10-column store: refused untouched.
      {"order_10_refused", 10, {}, false, "", {}},
      {"negative_order_refused", -1, {}, false, "", {}},
  };
  return cases;
}

class InvertMatrixTest : public testing::TestWithParam<InversionCase> {};

TEST_P(InvertMatrixTest, InvertsInPlaceAndReportsZeroPivots) {
  const InversionCase& c = GetParam();
  InversionStore A = store_with(c.block);
  bool inverted = !c.inverted;
  const std::string printed = captured([&](std::FILE* out) { inverted = invert_matrix(A, c.order, out); });

  EXPECT_EQ(inverted, c.inverted);
  EXPECT_EQ(printed, c.printed);

  const int n = static_cast<int>(c.block.size());
  for (int i = 0; i < 10; ++i) {
    for (int j = 0; j < 10; ++j) {
      const bool in_block = i >= 1 && i <= n && j >= 1 && j <= n;
      if (!in_block) {
        EXPECT_EQ(A[i][j], kSentinel) << "outside the block at [" << i << "][" << j << "]";
      }
    }
  }

  for (std::size_t i = 0; i < c.inverse.size(); ++i) {
    for (std::size_t j = 0; j < c.inverse.size(); ++j) {
      const Complex got = A[static_cast<int>(i) + 1][static_cast<int>(j) + 1];
      EXPECT_NEAR(got.re, c.inverse[i][j].re, 1e-15) << "[" << i + 1 << "][" << j + 1 << "]";
      EXPECT_NEAR(got.im, c.inverse[i][j].im, 1e-15) << "[" << i + 1 << "][" << j + 1 << "]";
    }
  }

  if (c.inverted) {
    // The block times its inverse is the identity.
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        Complex sum;
        for (int k = 1; k <= n; ++k) {
          sum = sum + c.block[i - 1][k - 1] * A[k][j];
        }
        EXPECT_NEAR(sum.re, i == j ? 1.0 : 0.0, 1e-12);
        EXPECT_NEAR(sum.im, 0.0, 1e-12);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Blocks, InvertMatrixTest, testing::ValuesIn(inversion_cases()),
                         [](const testing::TestParamInfo<InversionCase>& info) { return info.param.name; });

}  // namespace
