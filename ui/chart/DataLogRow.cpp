// One row of a data-log file as the program writes it.
#include "ui/chart/DataLogRow.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();
// Fields of the short row, of the long row whose vector is one empty field, and of the long row.
constexpr std::size_t kShortFields = 5;
constexpr std::size_t kLongFieldsNoVector = 7;
constexpr std::size_t kLongFields = 9;
constexpr std::size_t kMostFields = kLongFields;

std::string_view Trimmed(std::string_view field)
{
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    return field;
}

bool ReadValue(std::string_view field, float& value)
{
    if (field.empty()) {
        value = kNoValue;
        return true;
    }
    double number = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    if (error != std::errc() || end != field.data() + field.size())
        return false;
    // "%f" writes a vector component the sensor sent as no number as "nan" or "inf".
    value = std::isfinite(number) ? static_cast<float>(number) : kNoValue;
    return true;
}

}  // namespace

bool ParseDataLogRow(std::string_view line, DataLogRow& row)
{
    std::string_view fields[kMostFields];
    std::size_t count = 0;
    for (;;) {
        const std::size_t comma = line.find(',');
        if (count == kMostFields)
            return false;
        fields[count++] = Trimmed(line.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        line.remove_prefix(comma + 1);
    }
    if (count != kShortFields && count != kLongFieldsNoVector && count != kLongFields)
        return false;

    const std::string_view elapsed = fields[0];
    if (elapsed.empty() || elapsed.front() == '+')
        return false;
    const auto [end, error] = std::from_chars(elapsed.data(), elapsed.data() + elapsed.size(), row.elapsed);
    if (error != std::errc() || end != elapsed.data() + elapsed.size())
        return false;

    // Where each file field goes: the short and long columns, and the long row without a vector.
    static constexpr int kShortPlaces[] = {0, 1, 2, 3};
    static constexpr int kNoVectorPlaces[] = {0, 1, 2, 3, -1, 7};
    static constexpr int kLongPlaces[] = {0, 1, 2, 3, 4, 5, 6, 7};
    const int* places = count == kShortFields ? kShortPlaces : count == kLongFields ? kLongPlaces : kNoVectorPlaces;
    for (float& value : row.values)
        value = kNoValue;
    for (std::size_t i = 1; i < count; ++i) {
        const int place = places[i - 1];
        float value = kNoValue;
        if (place < 0) {
            if (!fields[i].empty())  // the empty vector's one field
                return false;
            continue;
        }
        if (!ReadValue(fields[i], value))
            return false;
        row.values[place] = value;
    }
    row.longForm = count != kShortFields;
    return true;
}
