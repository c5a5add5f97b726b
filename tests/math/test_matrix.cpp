#include "math/matrix.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numbers>
#include <utility>

using math::matrix;
using math::matrix_error;

namespace {

matrix rowOf(std::initializer_list<double> values) {
    matrix m(1, values.size());
    std::size_t c = 0;
    for (double v : values) {
        m(0, c++) = v;
    }
    return m;
}

}  // namespace

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
    using testing::StrEq;
    using testing::ThrowsMessage;
    static_assert(std::is_base_of_v<std::logic_error, matrix_error>);
    matrix a(2, 3);
    const auto outside =
        ThrowsMessage<matrix_error>(StrEq("matrixT::operator(): Index out of range!"));
    EXPECT_THAT([&] { (void)a(2, 0); }, outside);
    EXPECT_THAT([&] { (void)a(0, 3); }, outside);
    EXPECT_THAT([&] { (void)std::as_const(a)(5, 5); }, outside);
    const auto sizes = ThrowsMessage<matrix_error>(
        StrEq("matrixT::operator*= : Inconsistent matrix sizes in multiplication!"));
    EXPECT_THAT([&] { a *= matrix(2, 3); }, sizes);
    EXPECT_THROW((void)(matrix(1, 3) * matrix(2, 3)), matrix_error);
}

TEST(Matrix, ProductOfNonSquareMatrices) {
    matrix b(3, 2);
    for (std::size_t r = 0; r < 3; ++r) {
        b(r, 0) = static_cast<double>(r + 1);
        b(r, 1) = 10.0;
    }
    const matrix c = rowOf({1, 2, 3}) * b;
    ASSERT_EQ(c.rows(), 1u);
    ASSERT_EQ(c.columns(), 2u);
    EXPECT_EQ(c(0, 0), 14.0);
    EXPECT_EQ(c(0, 1), 60.0);
}

// (x, y, 1) * R(90°): a point designed along north lands along east.
TEST(Matrix, RowVectorTurnsClockwiseOnScreen) {
    const matrix q = rowOf({0, 10, 1}) * math::rotation(std::numbers::pi / 2);
    EXPECT_NEAR(q(0, 0), 10.0, 1e-12);
    EXPECT_NEAR(q(0, 1), 0.0, 1e-12);
    EXPECT_EQ(q(0, 2), 1.0);
}
