// One row of a data-log file as the program writes it: elapsed milliseconds, then the display
// texts of the values, ", " between fields. The short form has temperature, angle and the two
// LLS parameters; the long form adds the vector (three fields, or one empty field when the
// vector has no text yet) and the auxiliary value. An empty field is a value the sensor did not
// have.
#pragma once

#include <cstdint>
#include <string_view>

// The columns of a row, in the order the file has them.
enum class LogColumn : std::uint8_t { Temperature, Angle, Lls1, Lls2, VectorX, VectorY, VectorZ, Auxiliary };
constexpr std::size_t kLogColumns = 8;

struct DataLogRow {
    std::int32_t elapsed = 0;   // milliseconds since the first row of its logging run
    float values[kLogColumns];  // NaN: no value
    bool longForm = false;
};

// line: without its line end. False for anything but a row of either form.
bool ParseDataLogRow(std::string_view line, DataLogRow& row);
