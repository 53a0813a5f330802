#include "line.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "capture.h"

namespace {

// The built-in line carried through the stages, with what each stage printed.
struct BuiltInLine {
  std::unique_ptr<LineModel> line = std::make_unique<LineModel>();
  std::string primitive_blocks;
  std::string elimination;
  std::string sequence_components;
  bool inverted = false;

  BuiltInLine() {
    set_up_line_data(line->data);
    primitive_blocks = captured([&](std::FILE* out) { form_primitive_blocks(*line, out); });
    elimination = captured([&](std::FILE* out) { inverted = eliminate_ground_wires(*line, out); });
    sequence_components = captured([&](std::FILE* out) { transform_to_sequence_components(*line, out); });
  }
};

const BuiltInLine& built_in() {
  static const BuiltInLine run;
  return run;
}

constexpr bool kExtendedIsX87 = std::numeric_limits<long double>::digits == 64;

TEST(LineDataTest, StoredSinglePrecisionValues) {
  LineData d{};
  set_up_line_data(d);
  const struct {
    const char* name;
    float value;
    std::uint32_t bits;
  } cases[] = {
      {"RA", d.RA, 0x3CE147AE},     {"XA", d.XA, 0x3E189375},     {"RS", d.RS, 0x3F99DE6A},
      {"XS", d.XS, 0x3F34FDF4},     {"RHO", d.RHO, 0x42C80000},   {"RE", d.RE, 0x3DC32EBE},
      {"XE", d.XE, 0x3F767D56},     {"DAB", d.DAB, 0x420A28CA},   {"DAC", d.DAC, 0x42782106},
      {"DBC", d.DBC, 0x41FF9FEE},   {"DAAP", d.DAAP, 0x42500000}, {"DABP", d.DABP, 0x4290E664},
      {"DACP", d.DACP, 0x42A4703D}, {"DBBP", d.DBBP, 0x429C0000}, {"DBCP", d.DBCP, 0x4292D1D2},
      {"DCCP", d.DCCP, 0x42600000}, {"DAS1", d.DAS1, 0x42000000}, {"DAS2", d.DAS2, 0x42743ABA},
      {"DBS1", d.DBS1, 0x42829D2B}, {"DBS2", d.DBS2, 0x42B67064}, {"DCS1", d.DCS1, 0x42BC0AE4},
      {"DCS2", d.DCS2, 0x42D8D033}, {"DSS", d.DSS, 0x42500000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::bit_cast<std::uint32_t>(c.value), c.bits) << c.name << " = " << c.value;
  }
}

TEST(PrimitiveBlocksTest, PrintsTheBlocksOfTheReport) {
  EXPECT_EQ(built_in().primitive_blocks, reference_lines(3, 21));
}

TEST(PrimitiveBlocksTest, CarsonRulesAndMirrorCopies) {
  auto line = std::make_unique<LineModel>();
  set_up_line_data(line->data);
  captured([&](std::FILE* out) { form_primitive_blocks(*line, out); });
  const LineModel& z = *line;
  // Self rule: exact sums of the single-precision data.
  EXPECT_EQ(z.ZAA[1][1], Complex(0.12280399724841118, 1.1118499785661697));
  EXPECT_EQ(z.ZSS[1][1], Complex(1.2974040359258652, 1.6698499917984009));
  // Mutual rule.
  EXPECT_EQ(z.ZAA[1][2].re, 0.09530399739742279);
  EXPECT_EQ(z.ZAA[1][2].im, 0.53301253476708221);
  EXPECT_EQ(z.ZAS[1][1].im, 0.54228096769011502);
  if constexpr (kExtendedIsX87) {
    // Differs in the last bit when the logarithm is carried in double only.
    EXPECT_EQ(z.ZAB[3][3].im, 0.47437127612619068);
  }
  // Equal distances, equal impedances: a-a' and the two ground wires are both 52 ft apart.
  EXPECT_EQ(z.ZSS[1][2], z.ZAB[1][1]);

  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(z.ZAA[i][i], z.ZAA[1][1]);
    for (int j = 1; j <= 3; ++j) {
      EXPECT_EQ(z.ZAA[i][j], z.ZAA[j][i]);
      EXPECT_EQ(z.ZAB[i][j], z.ZAB[j][i]);
    }
    EXPECT_EQ(z.ZAPS[i][1], z.ZAS[i][2]);
    EXPECT_EQ(z.ZAPS[i][2], z.ZAS[i][1]);
    EXPECT_EQ(z.ZAS[i][3], Complex());
    EXPECT_EQ(z.ZAPS[i][3], Complex());
  }
}

TEST(GroundWireEliminationTest, PrintsTheInverseAndFiveSeparators) {
  EXPECT_TRUE(built_in().inverted);
  EXPECT_EQ(built_in().elimination, reference_lines(22, 28));
}

TEST(GroundWireEliminationTest, CorrectionOfTheBuiltInLine) {
  const LineModel& z = *built_in().line;
  for (int i = 0; i < 10; ++i) {
    for (int j = 0; j < 10; ++j) {
      if (i >= 1 && i <= 2 && j >= 1 && j <= 2) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(z.z3[i][j].re), std::bit_cast<std::uint64_t>(z.ZSS[i][j].re));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(z.z3[i][j].im), std::bit_cast<std::uint64_t>(z.ZSS[i][j].im));
      } else {
        EXPECT_EQ(z.ZSS[i][j], Complex()) << "ZSS[" << i << "][" << j << "]";
      }
    }
  }

  // The circuit-B columns of ZSP are the circuit-A ones with the ground wires exchanged.
  for (int j = 1; j <= 3; ++j) {
    EXPECT_NEAR(z.ZSP[1][j + 3].re, z.ZSP[2][j].re, 1e-15);
    EXPECT_NEAR(z.ZSP[1][j + 3].im, z.ZSP[2][j].im, 1e-15);
    EXPECT_NEAR(z.ZSP[2][j + 3].re, z.ZSP[1][j].re, 1e-15);
    EXPECT_NEAR(z.ZSP[2][j + 3].im, z.ZSP[1][j].im, 1e-15);
  }

  // ZPSP is symmetric, and circuit B sees the ground wires as circuit A does.
  for (int i = 1; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) {
      EXPECT_NEAR(z.ZPSP[i][j].re, z.ZPSP[j][i].re, 1e-15);
      EXPECT_NEAR(z.ZPSP[i][j].im, z.ZPSP[j][i].im, 1e-15);
    }
  }
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      EXPECT_NEAR(z.ZPSP[i + 3][j + 3].re, z.ZPSP[i][j].re, 1e-15);
      EXPECT_NEAR(z.ZPSP[i + 3][j + 3].im, z.ZPSP[i][j].im, 1e-15);
    }
  }

  // Circuit A's correction, to five decimals.
  const Complex expected[3][3] = {
      {{-0.04185, 0.20169}, {-0.03104, 0.17606}, {-0.02574, 0.16363}},
      {{-0.03104, 0.17606}, {-0.02246, 0.15372}, {-0.01828, 0.14291}},
      {{-0.02574, 0.16363}, {-0.01828, 0.14291}, {-0.01467, 0.13292}},
  };
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      EXPECT_NEAR(z.ZPSP[i][j].re, expected[i - 1][j - 1].re, 5e-6);
      EXPECT_NEAR(z.ZPSP[i][j].im, expected[i - 1][j - 1].im, 5e-6);
    }
  }
}

TEST(GroundWireEliminationTest, NoCouplingNoCorrection) {
  auto line = std::make_unique<LineModel>();
  line->ZSS[1][1] = Complex(1.3, 1.7);
  line->ZSS[1][2] = line->ZSS[2][1] = Complex(0.1, 0.5);
  line->ZSS[2][2] = line->ZSS[1][1];
  bool inverted = false;
  captured([&](std::FILE* out) { inverted = eliminate_ground_wires(*line, out); });
  EXPECT_TRUE(inverted);
  for (int i = 1; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) {
      EXPECT_EQ(line->ZPSP[i][j], Complex());
      EXPECT_EQ(line->ZSP[i <= 2 ? i : 1][j], Complex());
    }
  }
}

TEST(GroundWireEliminationTest, ZeroPivotIsReportedAndTheStageGoesOn) {
  auto line = std::make_unique<LineModel>();  // ZSS all zero
  bool inverted = true;
  const std::string printed = captured([&](std::FILE* out) { inverted = eliminate_ground_wires(*line, out); });
  EXPECT_FALSE(inverted);
  const std::string diagnostic = "\n zero on diag   1   0.000   0.000 \n";
  ASSERT_EQ(printed.substr(0, diagnostic.size()), diagnostic);
  EXPECT_EQ(printed.substr(diagnostic.size(), 6), " z3 = ");
  EXPECT_EQ(printed.substr(printed.size() - 5), "\n\n\n\n\n");
}

TEST(SequenceComponentsTest, PrintsTheHeadingAndZ012) {
  EXPECT_EQ(built_in().sequence_components, reference_lines(29, 32));
}

TEST(SequenceComponentsTest, PropertiesOfTheBuiltInLine) {
  const LineModel& z = *built_in().line;
  // TS x TSINV = I
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      Complex sum;
      for (int k = 1; k <= 3; ++k) {
        sum = sum + z.TS[i][k] * z.TSINV[k][j];
      }
      EXPECT_NEAR(sum.re, i == j ? 1.0 : 0.0, 1e-15);
      EXPECT_NEAR(sum.im, 0.0, 1e-15);
    }
  }
  // A symmetric phase matrix ties these sequence elements together.
  const auto expect_near = [](Complex a, Complex b) {
    EXPECT_NEAR(a.re, b.re, 1e-15);
    EXPECT_NEAR(a.im, b.im, 1e-15);
  };
  expect_near(z.Z012[2][2], z.Z012[3][3]);
  expect_near(z.Z012[1][2], z.Z012[3][1]);
  expect_near(z.Z012[1][3], z.Z012[2][1]);
  // The trace is invariant under the transformation.
  Complex phase_trace;
  Complex sequence_trace;
  for (int i = 1; i <= 3; ++i) {
    phase_trace = phase_trace + (z.ZAA[i][i] - z.ZPSP[i][i]);
    sequence_trace = sequence_trace + z.Z012[i][i];
  }
  expect_near(sequence_trace, phase_trace);
}

TEST(SequenceComponentsTest, BalancedPhaseMatrixDecouples) {
  // Equal self impedances s and equal mutual impedances m give
  // Z0 = s + 2m, Z1 = Z2 = s - m, and no coupling between sequences.
  const Complex s(0.16, 0.91);
  const Complex m(0.12, 0.35);
  auto line = std::make_unique<LineModel>();
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      line->ZAA[i][j] = i == j ? s : m;
    }
  }
  captured([&](std::FILE* out) { transform_to_sequence_components(*line, out); });
  const Complex diagonal[] = {s + m + m, s - m, s - m};
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      const Complex expected = i == j ? diagonal[i - 1] : Complex();
      EXPECT_NEAR(line->Z012[i][j].re, expected.re, 1e-15) << i << "," << j;
      EXPECT_NEAR(line->Z012[i][j].im, expected.im, 1e-15) << i << "," << j;
    }
  }
}

}  // namespace
