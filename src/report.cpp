#include "report.h"

void print_notice(std::FILE* out) {
  std::fputs("Sorry, only the double-hung is calculated.\n", out);
  std::fputs("\n", out);
}

void print_phase_block(std::FILE* out, const char* name, const ComplexMatrix<4>& block) {
  std::fprintf(out, " %s = %7.5f  %7.5f  %7.5f  %7.5f  %7.5f  %7.5f \n", name,
               block[1][1].re, block[1][1].im, block[1][2].re, block[1][2].im,
               block[1][3].re, block[1][3].im);
  std::fprintf(out, "                         %7.5f  %7.5f  %7.5f  %7.5f \n",
               block[2][2].re, block[2][2].im, block[2][3].re, block[2][3].im);
  std::fprintf(out, "                                           %7.5f  %7.5f \n",
               block[3][3].re, block[3][3].im);
  std::fputs("\n", out);
}

void print_coupling_block(std::FILE* out, const char* name, const ComplexMatrix<4>& block) {
  std::fprintf(out, " %s = %7.5f  %7.5f  %7.5f  %7.5f \n", name,
               block[1][1].re, block[1][1].im, block[1][2].re, block[1][2].im);
  std::fprintf(out, " %s = %7.5f  %7.5f  %7.5f  %7.5f \n", name,
               block[2][1].re, block[2][1].im, block[2][2].re, block[2][2].im);
  std::fprintf(out, " %s = %7.5f  %7.5f  %7.5f  %7.5f\n", name,
               block[3][1].re, block[3][1].im, block[3][2].re, block[3][2].im);
  std::fputs("\n", out);
}

namespace {

// The upper triangle of a 2x2 ground-wire block: `ZSS` or its inverse `z3`.
template <int Side>
void print_ground_wire_triangle(std::FILE* out, const char* name, const ComplexMatrix<Side>& block) {
  std::fprintf(out, " %s = %7.5f  %7.5f  %7.5f  %7.5f\n", name,
               block[1][1].re, block[1][1].im, block[1][2].re, block[1][2].im);
  std::fprintf(out, "                         %7.5f  %7.5f\n", block[2][2].re, block[2][2].im);
}

}  // namespace

void print_ground_wire_block(std::FILE* out, const InversionStore& ZSS) {
  print_ground_wire_triangle(out, "ZSS", ZSS);
  std::fputs("\n", out);
}

void print_ground_wire_inverse(std::FILE* out, const ComplexMatrix<3>& z3) {
  print_ground_wire_triangle(out, "z3", z3);
}

void print_separator(std::FILE* out) { std::fputs("\n", out); }

void print_sequence_heading(std::FILE* out) { std::fputs("Symmetrical Components\n", out); }

void print_sequence_element(std::FILE* out, Complex element) {
  std::fprintf(out, "%7.5f %7.5f   ", element.re, element.im);
}

void print_row_end(std::FILE* out) { std::fputs("\n", out); }
