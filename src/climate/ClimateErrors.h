// The errors of the city database and of the import.
//
// Every one derives from ClimateError (a std::runtime_error) and carries a
// Portuguese message in UTF-8. Where the fault lies in a file, the message
// names the file and the line (counted from 1), and file() and line() give
// them apart, so a window can show "Erro!" with the message as its details.
//
//   ClimateError           anything the database or the import refuses
//   ├─ FileNotFoundError   the file does not exist
//   ├─ FileReadError       it exists but cannot be read (a folder, no access)
//   ├─ FileWriteError      a folder, temporary file or replacement failed
//   ├─ FormatError         a line too short, text where a number is needed
//   │  └─ InvalidSourceError   an import source without its header words
//   └─ RefusalError        input refused; what() is the whole message to show
//      └─ EncodingError    text that Windows-1252 (or UTF-8) cannot hold
#pragma once

#include <QString>

#include <stdexcept>
#include <string>

namespace climate {

class ClimateError : public std::runtime_error {
public:
    // reason: what is wrong, in Portuguese; file and line locate it (line 0: none).
    explicit ClimateError(const std::string& reason, const QString& file = {}, int line = 0);

    const std::string& reason() const { return reason_; }
    const QString& file() const { return file_; }
    int line() const { return line_; }
    // what() as a QString, for a dialog's text or details.
    QString message() const { return QString::fromUtf8(what()); }

private:
    std::string reason_;
    QString file_;
    int line_;
};

class FileNotFoundError : public ClimateError {
public:
    using ClimateError::ClimateError;
};

class FileReadError : public ClimateError {
public:
    using ClimateError::ClimateError;
};

class FileWriteError : public ClimateError {
public:
    using ClimateError::ClimateError;
};

class FormatError : public ClimateError {
public:
    using ClimateError::ClimateError;
    // The same fault placed in a file whose line 1 comes after lineOffset
    // other lines (data line 1 of an import source is its line 5).
    FormatError relocated(const QString& file, int lineOffset) const;
};

class InvalidSourceError : public FormatError {
public:
    using FormatError::FormatError;
};

class RefusalError : public ClimateError {
public:
    explicit RefusalError(const std::string& message) : ClimateError(message) {}
};

class EncodingError : public RefusalError {
public:
    using RefusalError::RefusalError;
};

}  // namespace climate
