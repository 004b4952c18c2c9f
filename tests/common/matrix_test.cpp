// Gauss-Jordan inversion without pivot search, and the in-place product.
#include <gtest/gtest.h>

#include <cmath>

#include "common/matrix.hpp"

namespace ped {
namespace {

const char* kMessage = "pivot GAUSS inversion impossible : division by 0\n";

TEST(Matrix, InversesWithinTheOrderAndTheIdentityOutside) {
    // Order 0 changes nothing.
    Matrix m(4);
    m(0, 0) = 3;
    m(2, 3) = 7;
    std::vector<double> v{1, 2, 3, 4};
    inversemat(m, 0, kMessage);
    produitmat(m, v, 0);
    EXPECT_EQ(m(0, 0) + m(2, 3), 10);
    EXPECT_EQ(v, (std::vector<double>{1, 2, 3, 4}));

    // Order 1 of a matrix full of 5: the identity outside the block.
    Matrix full(20);
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 20; ++j) full(i, j) = i + j == 0 ? 4 : 5;
    inversemat(full, 1, kMessage);
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 20; ++j)
            EXPECT_EQ(full(i, j), i + j == 0 ? 0.25 : (i == j ? 1 : 0)) << i << " " << j;

    // The normal matrix of three inconsistent zones, reduced for reference zone 0, and the
    // product leaving the values beyond the order as they are.
    Matrix normal(20);
    normal(0, 0) = 6.36;
    normal(0, 1) = normal(1, 0) = -2.2;
    normal(1, 1) = 13.56;
    std::vector<double> b(20, 9.0);
    b[0] = 2.5;
    b[1] = 3.3;
    inversemat(normal, 2, kMessage);
    produitmat(normal, b, 2);
    EXPECT_NEAR(b[0], 0.505641, 5e-7);
    EXPECT_NEAR(b[1], 0.325399, 5e-7);
    EXPECT_EQ(b[2], 9);
}

TEST(Matrix, ZeroPivotIsReportedOncePerColumnAndNotRepaired) {
    Matrix m(4);
    m(0, 1) = m(1, 0) = 1;
    testing::internal::CaptureStderr();
    inversemat(m, 2, kMessage);
    const std::string err = testing::internal::GetCapturedStderr();
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
