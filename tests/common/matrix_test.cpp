// Gauss-Jordan inversion without pivot search, and the in-place product.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>

#include "common/matrix.hpp"
#include "harness.hpp"

namespace ped {
namespace {

const char* kMessage = "pivot GAUSS inversion impossible : division by 0\n";

// What a call writes on standard error.
template <class F>
std::string stderr_of(F call) {
    std::fflush(stderr);
    std::FILE* capture = std::tmpfile();
    const int saved = dup(2);
    dup2(fileno(capture), 2);
    call();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::rewind(capture);
    std::string text;
    for (int c; (c = std::fgetc(capture)) != EOF;) text.push_back(static_cast<char>(c));
    std::fclose(capture);
    return text;
}

TEST(Matrix, OrderZeroChangesNothing) {
    Matrix m(4);
    m(0, 0) = 3;
    m(2, 3) = 7;
    std::vector<double> v{1, 2, 3, 4};
    inversemat(m, 0, kMessage);
    produitmat(m, v, 0);
    EXPECT_EQ(m(0, 0), 3);
    EXPECT_EQ(m(2, 3), 7);
    EXPECT_EQ(v, (std::vector<double>{1, 2, 3, 4}));
}

TEST(Matrix, OrderOneAndIdentityOutsideTheBlock) {
    Matrix m(20);
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 20; ++j) m(i, j) = 5;
    m(0, 0) = 4;
    inversemat(m, 1, kMessage);
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 20; ++j)
            EXPECT_EQ(m(i, j), i == 0 && j == 0 ? 0.25 : (i == j ? 1 : 0)) << i << " " << j;
}

TEST(Matrix, SolvesADiagonalSystem) {
    Matrix m(4);
    m(0, 0) = 2;
    m(1, 1) = 4;
    std::vector<double> v{1, 1, 9, 9};
    inversemat(m, 2, kMessage);
    EXPECT_EQ(m(0, 0), 0.5);
    EXPECT_EQ(m(1, 1), 0.25);
    EXPECT_EQ(m(0, 1), 0);
    produitmat(m, v, 2);
    EXPECT_EQ(v, (std::vector<double>{0.5, 0.25, 9, 9}));
}

TEST(Matrix, InvertsASymmetricPositiveDefiniteMatrix) {
    // The normal matrix of three inconsistent zones, reduced for reference zone 0.
    Matrix m(20);
    m(0, 0) = 6.36;
    m(0, 1) = -2.2;
    m(1, 0) = -2.2;
    m(1, 1) = 13.56;
    std::vector<double> b(20, 0.0);
    b[0] = 2.5;
    b[1] = 3.3;
    inversemat(m, 2, kMessage);
    produitmat(m, b, 2);
    EXPECT_NEAR(b[0], 0.505641, 5e-7);
    EXPECT_NEAR(b[1], 0.325399, 5e-7);
}

TEST(Matrix, ZeroPivotIsReportedOncePerColumnAndNotRepaired) {
    Matrix m(4);
    m(0, 1) = 1;
    m(1, 0) = 1;
    const std::string err = stderr_of([&] { inversemat(m, 2, kMessage); });
    size_t count = 0;
    for (size_t at = err.find("pivot GAUSS"); at != std::string::npos;
         at = err.find("pivot GAUSS", at + 1))
        ++count;
    EXPECT_EQ(count, 2u);
    EXPECT_FALSE(std::isfinite(m(0, 0)) && std::isfinite(m(0, 1)) && std::isfinite(m(1, 0)) &&
                 std::isfinite(m(1, 1)));
}

}  // namespace
}  // namespace ped
