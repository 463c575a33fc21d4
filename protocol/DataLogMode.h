// What the sensor session's data log writes; both front ends switch it with one of these.
#pragma once

enum class DataLogMode {
    Off,      // no data log
    Data,     // a row for every polled answer
    FullData, // a row with every value for every polled answer
};
