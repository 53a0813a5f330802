// The report: the literal text of every printed line and the number format.
//
// Every number is one part of a matrix element, printed with "%7.5f": five
// decimals, a leading minus sign for a negative value (also one that rounds
// to zero), never a blank in front. A negative value therefore widens its
// field by one character and moves the rest of its line to the right; the
// literals are never adjusted to realign columns. Matrices are addressed
// 1-based, as everywhere in the program.
#ifndef LINE_IMPEDANCE_REPORT_H
#define LINE_IMPEDANCE_REPORT_H

#include <cstdio>

#include "numerics.h"

// "Sorry, only the double-hung is calculated." and an empty line.
void print_notice(std::FILE* out);

// Upper triangle of a 3x3 phase block (`ZAA`, `ZAB`), a row to a line, then
// an empty line.
void print_phase_block(std::FILE* out, const char* name, const ComplexMatrix<4>& block);

// The three rows of a phase-to-ground-wire block (`ZAS`, `ZAPS`), then an
// empty line.
void print_coupling_block(std::FILE* out, const char* name, const ComplexMatrix<4>& block);

// Upper triangle of the 2x2 ground-wire block `ZSS`, then an empty line.
void print_ground_wire_block(std::FILE* out, const InversionStore& ZSS);

// Upper triangle of its inverse `z3`, with no empty line after it.
void print_ground_wire_inverse(std::FILE* out, const ComplexMatrix<3>& z3);

// An empty line between the steps of the ground-wire elimination.
void print_separator(std::FILE* out);

// "Symmetrical Components", the heading of the sequence matrix.
void print_sequence_heading(std::FILE* out);

// One element of the sequence matrix: its two parts and three blanks.
void print_sequence_element(std::FILE* out, Complex element);

// The end of a row of the sequence matrix.
void print_row_end(std::FILE* out);

#endif
