#include "math/matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using math::matrix;
using math::matrix_error;

TEST(Matrix, CopiesStayIndependentAfterAWrite) {
    matrix a(2, 2);
    a(0, 0) = 1.0;
    matrix b = a;
    EXPECT_TRUE(a.sharesStorageWith(b));
    b(0, 0) = 5.0;
    EXPECT_FALSE(a.sharesStorageWith(b));
    EXPECT_EQ(a(0, 0), 1.0);
    EXPECT_EQ(b(0, 0), 5.0);

    matrix c = a;
    a *= matrix::identity(2);
    a(1, 1) = 7.0;
    EXPECT_EQ(c(1, 1), 0.0);
}

TEST(Matrix, ErrorsCarryTheirExactMessages) {
    matrix a(2, 3);
    try {
        (void)a(2, 0);
        FAIL() << "no error for a row outside";
    } catch (const matrix_error& e) {
        EXPECT_STREQ(e.what(), "matrixT::operator(): Index out of range!");
    }
    EXPECT_THROW((void)a(0, 3), matrix_error);
    const matrix& ca = a;
    EXPECT_THROW((void)ca(5, 5), matrix_error);
    try {
        a *= matrix(2, 3);
        FAIL() << "no error for inconsistent sizes";
    } catch (const matrix_error& e) {
        EXPECT_STREQ(e.what(), "matrixT::operator*= : Inconsistent matrix sizes in multiplication!");
    }
    EXPECT_THROW((void)(matrix(1, 3) * matrix(2, 3)), matrix_error);
    static_assert(std::is_base_of_v<std::logic_error, matrix_error>);
}

TEST(Matrix, ProductOfNonSquareMatrices) {
    matrix a(1, 3);
    a(0, 0) = 1;
    a(0, 1) = 2;
    a(0, 2) = 3;
    matrix b(3, 2);
    for (std::size_t r = 0; r < 3; ++r) {
        b(r, 0) = static_cast<double>(r + 1);
        b(r, 1) = 10.0;
    }
    const matrix c = a * b;
    ASSERT_EQ(c.rows(), 1u);
    ASSERT_EQ(c.columns(), 2u);
    EXPECT_EQ(c(0, 0), 14.0);
    EXPECT_EQ(c(0, 1), 60.0);
}

TEST(Matrix, RowVectorTurnsClockwiseOnScreen) {
    // (x, y, 1) * R(90°): a point designed along north lands along east.
    matrix p(1, 3);
    p(0, 0) = 0;
    p(0, 1) = 10;
    p(0, 2) = 1;
    const matrix q = p * math::rotation(std::numbers::pi / 2);
    EXPECT_NEAR(q(0, 0), 10.0, 1e-12);
    EXPECT_NEAR(q(0, 1), 0.0, 1e-12);
    EXPECT_EQ(q(0, 2), 1.0);
}
