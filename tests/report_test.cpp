#include "report.h"

#include <gtest/gtest.h>

#include <string>

#include "capture.h"

namespace {

struct FieldCase {
  Complex element;
  const char* printed;
};

class SequenceElementTest : public testing::TestWithParam<FieldCase> {};

// Fields are never padded in front: a sign or a second digit widens them.
TEST_P(SequenceElementTest, PrintsBothPartsWithFiveDecimals) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(captured([&](std::FILE* out) { print_sequence_element(out, c.element); }), c.printed);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SequenceElementTest,
    testing::Values(FieldCase{Complex(0.38978, 1.6523), "0.38978 1.65230   "},
                    FieldCase{Complex(-0.000004, 0.000004), "-0.00000 0.00000   "},
                    FieldCase{Complex(-0.0, 0.0), "-0.00000 0.00000   "},
                    FieldCase{Complex(12.5, -123.456789), "12.50000 -123.45679   "}));

TEST(ReportTest, NegativeValuesMoveTheRestOfTheLineRight) {
  ComplexMatrix<3> z3;
  z3[1][1] = Complex(0.31658, -0.37167);
  z3[1][2] = Complex(-0.10479, 0.04423);
  z3[2][2] = z3[1][1];
  EXPECT_EQ(captured([&](std::FILE* out) { print_ground_wire_inverse(out, z3); }),
            " z3 = 0.31658  -0.37167  -0.10479  0.04423\n"
            "                         0.31658  -0.37167\n");
}

TEST(ReportTest, CouplingBlockLastRowHasNoTrailingBlank) {
  ComplexMatrix<4> block;
  block[3][2] = Complex(-1.0, 2.0);
  EXPECT_EQ(captured([&](std::FILE* out) { print_coupling_block(out, "ZAPS", block); }),
            " ZAPS = 0.00000  0.00000  0.00000  0.00000 \n"
            " ZAPS = 0.00000  0.00000  0.00000  0.00000 \n"
            " ZAPS = 0.00000  0.00000  -1.00000  2.00000\n"
            "\n");
}

}  // namespace
