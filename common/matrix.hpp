// Dense square matrices and the routines that solve the tools' small linear systems:
// `inversemat` (Gauss-Jordan, pivots in diagonal order, no row exchange) followed by
// `produitmat` (matrix times vector, in place), and the row updates that eliminations of many
// unknowns are made of, done four entries at a time with the rounding of the plain loops. The
// merge tool's least squares keep their tables (normal matrices, solutions) in the same type.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace ped {

class Matrix {
  public:
    explicit Matrix(int dimension = 0, double fill = 0.0)
        : d_(dimension), a_(static_cast<std::size_t>(d_ * d_), fill) {}
    int dimension() const { return d_; }
    double& operator()(int i, int j) { return a_[static_cast<std::size_t>(i * d_ + j)]; }
    double operator()(int i, int j) const { return a_[static_cast<std::size_t>(i * d_ + j)]; }
    std::span<double> row(int i) { return {a_.data() + static_cast<std::size_t>(i * d_), size()}; }
    std::span<const double> row(int i) const {
        return {a_.data() + static_cast<std::size_t>(i * d_), size()};
    }

  private:
    std::size_t size() const { return static_cast<std::size_t>(d_); }
    int d_;
    std::vector<double> a_;
};

// row[j] := row[j] - v[j] * f and row[j] := row[j] + v[j] * f over the row (v at least as
// long), and row[j] := row[j] + v[j] * v[j]: each entry rounded as the plain loop rounds it.
void subtract_scaled(std::span<double> row, std::span<const double> v, double f);
void add_scaled(std::span<double> row, std::span<const double> v, double f);
void add_squares(std::span<double> row, std::span<const double> v);

// row[j] := row[j] - rows[t][j] * f[t] for t = 0, 1, ... in turn, over the columns j of
// [begin, end), rows[t] starting at rows + t * stride: each entry rounded as one plain loop per
// t rounds it, the entry kept at hand through all the t.
void subtract_scaled_rows(std::span<double> row, size_t begin, size_t end, const double* rows,
                          size_t stride, std::span<const double> f);

// Copies every entry of source (same dimension) into target.
void copymat(const Matrix& source, Matrix& target);

// v[0..n-1] := M v over the leading n x n block (v holds at least n values).
void produitmat(const Matrix& m, std::vector<double>& v, int n);

// Replaces the leading n x n block of M by its inverse and every other entry by the identity's
// (n = 0 leaves M as it is). A zero pivot is reported through perror with `zero_pivot_message`,
// once per column of the pivot row, and the elimination goes on with what the division gives.
void inversemat(Matrix& m, int n, const char* zero_pivot_message);

}  // namespace ped
