#include "line.h"

#include <cmath>

#include "report.h"

namespace {

// Reactance per decade of distance ratio, ohm/mile at 60 Hz: the multiplier
// of log10 in every reactance term of Carson's formulas.
constexpr double KX = 0.27942;

// Depth factor of the equivalent earth-return conductor, feet: the return
// current flows at a depth of KDE * sqrt(RHO / f), here with f = 60 Hz.
constexpr double KDE = 2162.5361;

// A distance known by its square, in whole square feet.
float distance_from_square(int square_feet) {
  return static_cast<float>(std::sqrt(static_cast<long double>(static_cast<double>(square_feet))));
}

// Earth-return reactance, ohm/mile:
//   XE = KX * log10(KDE * sqrt(RHO / 60))
// carried in extended precision, rounded to double at RHO / 60 and at the
// depth, and to single precision at the end.
float earth_return_reactance(float RHO) {
  const auto rho_over_f = static_cast<double>(RHO * (1.0L / 60.0L));
  const auto depth = static_cast<double>(KDE * std::sqrt(static_cast<long double>(rho_over_f)));
  return static_cast<float>(KX * std::log10(static_cast<long double>(depth)));
}

// Carson's self impedance of a conductor with earth return, ohm/mile:
//   z_ii = (R + RE) + j (X + XE)
// R is the conductor's resistance and X its reactance at one foot spacing.
Complex carson_self(float R, float X, const LineData& line) {
  return {static_cast<double>(static_cast<long double>(R) + line.RE),
          static_cast<double>(static_cast<long double>(X) + line.XE)};
}

// Carson's mutual impedance of two conductors D feet apart, with earth
// return, ohm/mile:
//   z_ij = RE + j (XE - KX log10(D))
Complex carson_mutual(float D, const LineData& line) {
  const long double reactance = line.XE - KX * std::log10(static_cast<long double>(D));
  return {static_cast<double>(line.RE), static_cast<double>(reactance)};
}

}  // namespace

void set_up_line_data(LineData& line) {
  line.DAB = distance_from_square(1193);
  line.DAC = distance_from_square(3848);
  line.DBC = distance_from_square(1021);
  line.DAAP = 52.0F;
  line.DABP = distance_from_square(5249);
  line.DACP = distance_from_square(6760);
  line.DBBP = 78.0F;
  line.DBCP = distance_from_square(5389);
  line.DCCP = 56.0F;
  line.DAS1 = 32.0F;
  line.DAS2 = distance_from_square(3728);
  line.DBS1 = distance_from_square(4265);
  line.DBS2 = distance_from_square(8321);
  line.DCS1 = distance_from_square(8840);
  line.DCS2 = distance_from_square(11752);

  line.RHO = 100.0F;
  line.RE = 0.095304F;
  line.XE = earth_return_reactance(line.RHO);
  line.RA = 0.0275F;
  line.XA = 0.149F;
  line.RS = 1.2021F;
  line.XS = 0.707F;
  line.DSS = 52.0F;
}

void form_primitive_blocks(LineModel& line, std::FILE* out) {
  const LineData& d = line.data;
  ComplexMatrix<4>& ZAA = line.ZAA;
  ComplexMatrix<4>& ZAB = line.ZAB;
  ComplexMatrix<4>& ZAS = line.ZAS;
  ComplexMatrix<4>& ZAPS = line.ZAPS;
  InversionStore& ZSS = line.ZSS;

  // Circuit A with itself: symmetric.
  ZAA[1][1] = carson_self(d.RA, d.XA, d);
  ZAA[1][2] = carson_mutual(d.DAB, d);
  ZAA[1][3] = carson_mutual(d.DAC, d);
  ZAA[2][1] = ZAA[1][2];
  ZAA[2][2] = carson_self(d.RA, d.XA, d);
  ZAA[2][3] = carson_mutual(d.DBC, d);
  ZAA[3][1] = ZAA[1][3];
  ZAA[3][2] = ZAA[2][3];
  ZAA[3][3] = carson_self(d.RA, d.XA, d);
  print_phase_block(out, "ZAA", ZAA);

  // Circuit A with circuit B: symmetric too, since b-a' mirrors a-b', and so on.
  ZAB[1][1] = carson_mutual(d.DAAP, d);
  ZAB[1][2] = carson_mutual(d.DABP, d);
  ZAB[1][3] = carson_mutual(d.DACP, d);
  ZAB[2][1] = ZAB[1][2];
  ZAB[2][2] = carson_mutual(d.DBBP, d);
  ZAB[2][3] = carson_mutual(d.DBCP, d);
  ZAB[3][1] = ZAB[1][3];
  ZAB[3][2] = ZAB[2][3];
  ZAB[3][3] = carson_mutual(d.DCCP, d);
  print_phase_block(out, "ZAB", ZAB);

  // Phases with ground wires. A circuit-B phase stands to ground wire 1 as
  // its circuit-A partner stands to ground wire 2: ZAPS is ZAS with its two
  // columns exchanged.
  ZAS[1][1] = carson_mutual(d.DAS1, d);
  ZAS[1][2] = carson_mutual(d.DAS2, d);
  ZAS[2][1] = carson_mutual(d.DBS1, d);
  ZAS[2][2] = carson_mutual(d.DBS2, d);
  ZAS[3][1] = carson_mutual(d.DCS1, d);
  ZAS[3][2] = carson_mutual(d.DCS2, d);
  for (int p = 1; p <= 3; ++p) {
    ZAPS[p][1] = ZAS[p][2];
    ZAPS[p][2] = ZAS[p][1];
  }
  print_coupling_block(out, "ZAS", ZAS);
  print_coupling_block(out, "ZAPS", ZAPS);

  // The ground wires with each other.
  ZSS[1][1] = carson_self(d.RS, d.XS, d);
  ZSS[1][2] = carson_mutual(d.DSS, d);
  ZSS[2][1] = ZSS[1][2];
  ZSS[2][2] = carson_self(d.RS, d.XS, d);
  print_ground_wire_block(out, ZSS);
}

// Kron reduction. The ground wires are earthed at every tower, so their
// voltage is zero and the primitive matrix of the six phases p and the two
// ground wires s,
//
//        |  Zpp   |  Zps  |        Zpp: ZAA, ZAB (6 x 6)
//   Z =  |--------+-------|        Zps: [ZAS; ZAPS] (6 x 2)
//        |  Zsp   |  Zss  |        Zss: ZSS (2 x 2), Zsp = Zps^T
//
// folds into the phases as
//
//   Zp = Zpp - Zps Zss^-1 Zsp        ohm/mile.
//
// This stage forms the correction ZPSP = Zps (Zss^-1 Zsp) for all six phases;
// the coupling [ZAS; ZAPS] is never stored, phase conductors 1..3 read ZAS
// and 4..6 read ZAPS.
bool eliminate_ground_wires(LineModel& line, std::FILE* out) {
  const int NS = 2;  // ground wires
  const ComplexMatrix<4>& ZAS = line.ZAS;
  const ComplexMatrix<4>& ZAPS = line.ZAPS;
  InversionStore& ZSS = line.ZSS;
  ComplexMatrix<3>& z3 = line.z3;
  ComplexMatrix<7>& ZSP = line.ZSP;
  ComplexMatrix<7>& ZPSP = line.ZPSP;

  const bool inverted = invert_matrix(ZSS, NS, out);
  for (int i = 1; i <= NS; ++i) {
    for (int j = 1; j <= NS; ++j) {
      z3[i][j] = ZSS[i][j];
    }
  }
  print_ground_wire_inverse(out, z3);
  print_separator(out);

  // ZSP = Zss^-1 Zsp: circuit-A columns, then circuit-B columns.
  for (int i = 1; i <= NS; ++i) {
    for (int j = 1; j <= 3; ++j) {
      ZSP[i][j] = Complex(0.0);
      for (int k = 1; k <= NS; ++k) {
        ZSP[i][j] = ZSP[i][j] + z3[i][k] * ZAS[j][k];
      }
    }
  }
  print_separator(out);
  for (int i = 1; i <= NS; ++i) {
    for (int j = 4; j <= 6; ++j) {
      ZSP[i][j] = Complex(0.0);
      for (int k = 1; k <= NS; ++k) {
        ZSP[i][j] = ZSP[i][j] + z3[i][k] * ZAPS[j - 3][k];
      }
    }
  }
  print_separator(out);

  // ZPSP = Zps ZSP: circuit-A rows, then circuit-B rows.
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 6; ++j) {
      ZPSP[i][j] = Complex(0.0);
      for (int k = 1; k <= NS; ++k) {
        ZPSP[i][j] = ZPSP[i][j] + ZAS[i][k] * ZSP[k][j];
      }
    }
  }
  print_separator(out);
  for (int i = 4; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) {
      ZPSP[i][j] = Complex(0.0);
      for (int k = 1; k <= NS; ++k) {
        ZPSP[i][j] = ZPSP[i][j] + ZAPS[i - 3][k] * ZSP[k][j];
      }
    }
  }
  print_separator(out);
  return inverted;
}

// Symmetrical components. Phase quantities are TS times sequence quantities
// (index 1 zero, 2 positive, 3 negative sequence), with a = 1 at 120 degrees:
//
//        | 1  1   1  |                  | 1  1   1  |
//   TS = | 1  a^2 a  |    TSINV = 1/3 * | 1  a   a^2 |
//        | 1  a   a^2|                  | 1  a^2 a   |
//
//   Z012 = TSINV (Zp TS),   Zp = ZAA - ZPSP[1..3][1..3],   ohm/mile.
//
// Zp, circuit A's phase matrix with the ground wires eliminated, is formed
// element by element where it is needed and never stored.
void transform_to_sequence_components(LineModel& line, std::FILE* out) {
  const ComplexMatrix<4>& ZAA = line.ZAA;
  const ComplexMatrix<7>& ZPSP = line.ZPSP;
  ComplexMatrix<4>& TS = line.TS;
  ComplexMatrix<4>& TSINV = line.TSINV;
  ComplexMatrix<4>& ZTS = line.ZTS;
  ComplexMatrix<4>& Z012 = line.Z012;

  const Complex one(1.0);
  const Complex third(0.3333333333333333);
  const Complex a(-0.5, std::sqrt(3.0) * 0.5);
  const Complex a2(-0.5, std::sqrt(3.0) * -0.5);  // a squared, not formed as a * a
  const Complex a_third = a / 3.0;
  const Complex a2_third = a2 / 3.0;

  TS[1][1] = one;
  TS[1][2] = one;
  TS[1][3] = one;
  TS[2][1] = one;
  TS[2][2] = a2;
  TS[2][3] = a;
  TS[3][1] = one;
  TS[3][2] = a;
  TS[3][3] = a2;

  TSINV[1][1] = third;
  TSINV[1][2] = third;
  TSINV[1][3] = third;
  TSINV[2][1] = third;
  TSINV[2][2] = a_third;
  TSINV[2][3] = a2_third;
  TSINV[3][1] = third;
  TSINV[3][2] = a2_third;
  TSINV[3][3] = a_third;

  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      ZTS[i][j] = Complex(0.0);
      for (int k = 1; k <= 3; ++k) {
        ZTS[i][j] = ZTS[i][j] + (ZAA[i][k] - ZPSP[i][k]) * TS[k][j];
      }
    }
  }

  print_sequence_heading(out);
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      Z012[i][j] = Complex(0.0);
      for (int k = 1; k <= 3; ++k) {
        Z012[i][j] = Z012[i][j] + TSINV[i][k] * ZTS[k][j];
      }
      print_sequence_element(out, Z012[i][j]);
    }
    print_row_end(out);
  }
}
