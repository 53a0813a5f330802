// The double-circuit line with two ground wires, and the three stages that
// turn its data into circuit A's sequence impedance matrix:
//
//   primitive blocks  ->  ground-wire elimination  ->  symmetrical components
//
// Conductors: circuit A phases a, b, c; circuit B phases a', b', c'; ground
// wires 1 and 2. In every block, index 1, 2, 3 is phase a, b, c of its circuit
// and index 1, 2 is ground wire 1, 2. Impedances in ohm per mile at 60 Hz,
// distances in feet, earth resistivity in ohm-metres.
//
// Each stage works on the `LineModel` it is given and prints its blocks of
// the report on `out` as soon as each block is complete.
#ifndef LINE_IMPEDANCE_LINE_H
#define LINE_IMPEDANCE_LINE_H

#include <cstdio>

#include "numerics.h"

// The built-in line, in single precision.
struct LineData {
  // Distances between conductors, feet. Circuit B is the mirror image of
  // circuit A about the centre line, so the distances that are not here
  // equal ones that are (b-a' = a-b', a'-ground wire 1 = a-ground wire 2, ...).
  float DAB, DAC, DBC;                      // within circuit A
  float DAAP, DABP, DACP, DBBP, DBCP, DCCP;  // circuit A to circuit B
  float DAS1, DAS2, DBS1, DBS2, DCS1, DCS2;  // circuit A to ground wires 1, 2
  float DSS;                                // ground wire 1 to ground wire 2

  float RHO;  // earth resistivity, ohm-m
  float RE;   // earth-return resistance, ohm/mile
  float XE;   // earth-return reactance, ohm/mile
  float RA;   // phase conductor resistance, ohm/mile
  float XA;   // phase conductor reactance at one foot spacing, ohm/mile
  float RS;   // ground wire resistance, ohm/mile
  float XS;   // ground wire reactance at one foot spacing, ohm/mile
};

// Everything one run computes. In the impedance blocks, element [i][j]
// couples conductor i of the first group in the block's name with conductor
// j of the second.
struct LineModel {
  LineData data{};

  ComplexMatrix<4> ZAA;    // circuit A with itself
  ComplexMatrix<4> ZAB;    // circuit A with circuit B
  ComplexMatrix<4> ZAS;    // circuit A phases with the ground wires
  ComplexMatrix<4> ZAPS;   // circuit B phases with the ground wires
  InversionStore ZSS;      // the ground wires with each other; later its inverse
  ComplexMatrix<3> z3;     // the inverse of the ground-wire block
  ComplexMatrix<7> ZSP;    // z3 x [ZAS; ZAPS]^T, 2 x 6
  ComplexMatrix<7> ZPSP;   // [ZAS; ZAPS] x ZSP, 6 x 6: the ground-wire correction
  ComplexMatrix<4> TS;     // phase from sequence quantities
  ComplexMatrix<4> TSINV;  // sequence from phase quantities
  ComplexMatrix<4> ZTS;    // (ZAA - ZPSP) x TS
  ComplexMatrix<4> Z012;   // circuit A's sequence impedance matrix
};

// Stores the built-in geometry and conductor data, and the earth-return
// reactance computed from the earth resistivity.
void set_up_line_data(LineData& line);

// Fills ZAA, ZAB, ZAS, ZAPS and ZSS by Carson's rules and prints them.
void form_primitive_blocks(LineModel& line, std::FILE* out);

// Inverts ZSS in place, prints the inverse and forms the correction ZPSP
// that folds the ground wires into the six phases. Returns false when the
// ground-wire block could not be inverted (a zero pivot); the following
// values then carry no meaning.
bool eliminate_ground_wires(LineModel& line, std::FILE* out);

// Forms and prints circuit A's sequence impedance matrix Z012 from
// ZAA - ZPSP[1..3][1..3].
void transform_to_sequence_components(LineModel& line, std::FILE* out);

#endif
