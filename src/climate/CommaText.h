// Comma-text lines: the one line format of every database file and of the
// import source, and the file key that names a city's files.
//
// Lines are bytes (Windows-1252 in the database); nothing here decodes them.
// Blanks are the bytes 1 to 32: they separate fields as a comma does. A NUL
// byte ends the line, as it ends the text of a file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace climate {

// Reads the fields of one line in order, without building the whole list:
// the readers that need a few fields of thousands of lines stop early.
class CommaTextReader {
public:
    explicit CommaTextReader(std::string_view line);
    // The next field into `field`; false when the line has no more fields.
    bool next(std::string& field);
    // After the last field: true when the line ended in a comma, whose empty
    // field splitting drops ("1,2," gives two fields).
    bool endedWithComma() const { return endedWithComma_; }

private:
    void skipBlanks();

    std::string_view line_;
    std::size_t pos_ = 0;
    bool endedWithComma_ = false;
};

// The fields of a line. A quoted field runs to its closing quote ("" inside
// stands for one quote), or to the end of the line when the closing quote is
// missing; what follows a closing quote directly is the next field. A comma at
// the end adds no empty field; an empty or blank line has no field.
std::vector<std::string> SplitCommaText(std::string_view line);
// As SplitCommaText, into `fields` (emptied first); returns endedWithComma().
bool SplitCommaTextInto(std::string_view line, std::vector<std::string>& fields);

// The fields separated by single commas; a field holding a comma, a quote or
// a blank is quoted with its quotes doubled. An empty last field is written
// "" (alone or after a comma), so that every list reads back as it was.
std::string JoinCommaText(const std::vector<std::string>& fields);
// Appends one field as JoinCommaText writes it.
void appendCommaTextField(std::string& line, std::string_view field);

// The base name of a city's files: the name without the bytes 0 to 32 at
// either end, with "A" to "Z" turned into "a" to "z" and nothing else changed
// (accented capitals stay: "ÁGUA_BOA" gives "Água_boa").
std::string FileKey(std::string_view name);

}  // namespace climate
