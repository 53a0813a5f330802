#include "numerics.h"

bool invert_matrix(InversionStore& A, int n, std::FILE* out) {
  if (n < 0 || n > kLargestInversionOrder) {
    return false;
  }
  const Complex zero;
  bool every_pivot_nonzero = true;

  for (int IP = 1; IP <= n; ++IP) {
    if (A[IP][IP] == zero) {
      every_pivot_nonzero = false;
    }

    // Elimination sweep: every element outside the pivot row and column.
    for (int IR = 1; IR <= n; ++IR) {
      if (IR == IP) {
        continue;
      }
      for (int JK = 1; JK <= n; ++JK) {
        if (JK == IP) {
          continue;
        }
        if (A[IP][IP] == zero) {
          std::fprintf(out, "\n zero on diag %3d %7.3f %7.3f \n", IP, A[IP][IP].re, A[IP][JK].re);
        }
        A[IR][JK] = A[IR][JK] - (A[IR][IP] * A[IP][JK]) / A[IP][IP];
      }
    }

    A[IP][IP] = -1.0 / A[IP][IP];

    // Scaling of the pivot column and the pivot row by the new pivot.
    for (int I = 1; I <= n; ++I) {
      if (I == IP) {
        continue;
      }
      A[I][IP] = A[I][IP] * A[IP][IP];
      A[IP][I] = A[IP][I] * A[IP][IP];
    }
  }

  // The sweeps leave the negated inverse behind.
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      A[i][j] = -A[i][j];
    }
  }
  return every_pivot_nonzero;
}
