#include "math/matrix.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

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
