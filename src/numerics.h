// Complex arithmetic and the in-place inversion of a complex matrix block.
//
// `Complex` rounds each part of every result to double and divides by the
// textbook formula, with no scaling of the operands, so that every printed
// digit of the report is fixed by the order of operations written here.
// `ComplexMatrix` is a square array addressed with 1-based indices, as in
// the formulas: row 0 and column 0 exist and are never used.
#ifndef LINE_IMPEDANCE_NUMERICS_H
#define LINE_IMPEDANCE_NUMERICS_H

#include <cstdio>

struct Complex {
  double re = 0.0;
  double im = 0.0;

  constexpr Complex() = default;
  constexpr Complex(double real, double imag) : re(real), im(imag) {}
  constexpr explicit Complex(double real) : re(real) {}

  // Both parts equal exactly, so -0.0 equals 0.0.
  constexpr bool operator==(const Complex&) const = default;
};

constexpr Complex operator+(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }
constexpr Complex operator-(Complex a, Complex b) { return {a.re - b.re, a.im - b.im}; }
constexpr Complex operator-(Complex a) { return {-a.re, -a.im}; }

constexpr Complex operator*(Complex a, Complex b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

constexpr Complex operator/(Complex a, Complex b) {
  const double d = b.re * b.re + b.im * b.im;
  return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}

constexpr Complex operator/(Complex a, double x) { return {a.re / x, a.im / x}; }

constexpr Complex operator/(double x, Complex b) {
  const double d = b.re * b.re + b.im * b.im;
  return {x * b.re / d, -x * b.im / d};
}

template <int Side>
struct ComplexMatrix {
  Complex element[Side][Side];

  Complex* operator[](int row) { return element[row]; }
  const Complex* operator[](int row) const { return element[row]; }
};

// The store that `invert_matrix` works on: its row length is fixed at 10,
// so the largest block it can hold, with 1-based indices, is of order 9.
using InversionStore = ComplexMatrix<10>;
constexpr int kLargestInversionOrder = 9;

// Replaces rows and columns 1..n of `A` by their inverse, in place, by
// Gauss-Jordan elimination on the diagonal pivots in their natural order,
// with no exchange of rows or columns. Nothing outside the block is read or
// written. A zero pivot met by an elimination sweep is reported on `out`,
// once per element that the sweep updates, and the elimination carries on;
// the block then holds no meaningful values.
//
// Returns true when the block was inverted: n is 0..9 and no pivot was zero.
// An order outside 0..9 changes nothing, prints nothing and returns false.
bool invert_matrix(InversionStore& A, int n, std::FILE* out);

#endif
