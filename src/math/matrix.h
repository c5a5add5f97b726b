// A small dense matrix of doubles with value semantics.
//
// Copies share their storage until one of them is written to; the writer then
// takes a private copy first (copy before write), so copies never affect each
// other. Used for plane rotations: a homogeneous row vector (x, y, 1) times
// 3 x 3 matrices.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace math {

class matrix_error : public std::logic_error {
public:
    explicit matrix_error(const std::string& what) : std::logic_error(what) {}
};

class matrix {
public:
    matrix(std::size_t rows, std::size_t columns);

    std::size_t rows() const { return rows_; }
    std::size_t columns() const { return columns_; }

    // Element (row, column), both from 0; throws matrix_error when outside.
    double operator()(std::size_t row, std::size_t column) const;
    double& operator()(std::size_t row, std::size_t column);

    // Throws matrix_error unless columns() of the left equals rows() of the right.
    matrix& operator*=(const matrix& right);
    friend matrix operator*(const matrix& left, const matrix& right);

    static matrix identity(std::size_t size);

    // True while this matrix shares its storage with another copy.
    bool sharesStorageWith(const matrix& other) const { return data_ == other.data_; }

private:
    void checkIndex(std::size_t row, std::size_t column) const;
    void detach();

    std::size_t rows_;
    std::size_t columns_;
    std::shared_ptr<std::vector<double>> data_;
};

// Rotation of the plane by angleRad for row vectors: (x, y, 1) * rotation(a)
// gives (x cos a + y sin a, -x sin a + y cos a, 1).
matrix rotation(double angleRad);

}  // namespace math
