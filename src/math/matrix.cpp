#include "math/matrix.h"

#include <cmath>

namespace math {

namespace {
const char* const kIndexMessage = "matrixT::operator(): Index out of range!";
const char* const kSizeMessage =
    "matrixT::operator*= : Inconsistent matrix sizes in multiplication!";
}  // namespace

matrix::matrix(std::size_t rows, std::size_t columns)
    : rows_(rows), columns_(columns),
      data_(std::make_shared<std::vector<double>>(rows * columns, 0.0)) {}

void matrix::checkIndex(std::size_t row, std::size_t column) const {
    if (row >= rows_ || column >= columns_) {
        throw matrix_error(kIndexMessage);
    }
}

void matrix::detach() {
    if (data_.use_count() > 1) {
        data_ = std::make_shared<std::vector<double>>(*data_);
    }
}

double matrix::operator()(std::size_t row, std::size_t column) const {
    checkIndex(row, column);
    return (*data_)[row * columns_ + column];
}

double& matrix::operator()(std::size_t row, std::size_t column) {
    checkIndex(row, column);
    detach();
    return (*data_)[row * columns_ + column];
}

matrix& matrix::operator*=(const matrix& right) {
    *this = *this * right;
    return *this;
}

matrix operator*(const matrix& left, const matrix& right) {
    if (left.columns_ != right.rows_) {
        throw matrix_error(kSizeMessage);
    }
    matrix product(left.rows_, right.columns_);
    const std::vector<double>& a = *left.data_;
    const std::vector<double>& b = *right.data_;
    std::vector<double>& c = *product.data_;
    for (std::size_t i = 0; i < left.rows_; ++i) {
        for (std::size_t j = 0; j < right.columns_; ++j) {
            double sum = 0.0;
            for (std::size_t k = 0; k < left.columns_; ++k) {
                sum += a[i * left.columns_ + k] * b[k * right.columns_ + j];
            }
            c[i * right.columns_ + j] = sum;
        }
    }
    return product;
}

matrix matrix::identity(std::size_t size) {
    matrix result(size, size);
    for (std::size_t i = 0; i < size; ++i) {
        (*result.data_)[i * size + i] = 1.0;
    }
    return result;
}

matrix rotation(double angleRad) {
    matrix q = matrix::identity(3);
    const double c = std::cos(angleRad);
    const double s = std::sin(angleRad);
    q(0, 0) = c;
    q(0, 1) = -s;
    q(1, 0) = s;
    q(1, 1) = c;
    return q;
}

}  // namespace math
