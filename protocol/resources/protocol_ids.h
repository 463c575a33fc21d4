// String ids of the sensor session's texts (its scripts: protocol_en.rc, protocol_ru.rc). Plain
// "#define NAME number" lines: the host build's string-table generator reads them itself.
#pragma once

// Link status of the sensor session.
#define IDS_LINK_WAITING                 78
#define IDS_LINK_CONNECTED               79
#define IDS_LINK_NO_ANSWER               80

// Settings status of the sensor session.
#define IDS_SETTINGS_READ                73
#define IDS_SETTINGS_MODIFIED            74
#define IDS_SETTINGS_INVALID             75
#define IDS_SETTINGS_WRITTEN             76
#define IDS_SETTINGS_REJECTED            77

// Firmware update: status texts and the bad-image message.
#define IDS_FIRMWARE_READING_INFO        124
#define IDS_FIRMWARE_DOWNLOADING         125
#define IDS_FIRMWARE_UP_TO_DATE          126
#define IDS_FIRMWARE_COMPLETED           128
#define IDS_FIRMWARE_ACTIVATING          129
#define IDS_FIRMWARE_BAD_IMAGE           348
// The image file failed to deliver a block during a download (status text and first line of the message).
#define IDS_FIRMWARE_UNREADABLE          365
// An image made for another device type than the connected sensor's is not sent.
#define IDS_FIRMWARE_OTHER_DEVICE        366

// What is wrong with a firmware image file that is refused (shown below the bad-image line).
#define IDS_FIRMWARE_TOO_SHORT           360
#define IDS_FIRMWARE_NOT_IMAGE           361
#define IDS_FIRMWARE_SIZE_MISMATCH       362
#define IDS_FIRMWARE_BAD_BODY_OFFSET     363
#define IDS_FIRMWARE_DAMAGED_TRAILER     364

// Names of the measurable values, in value-code order 0 to 20.
#define IDS_VALUE_NOT_USED               109
#define IDS_VALUE_INCLINATION            110
#define IDS_VALUE_VIBRATION              111
#define IDS_VALUE_GEAR_STATE             142
#define IDS_VALUE_WORK_CYCLES            143
#define IDS_VALUE_ANGULAR_MOTION         113
#define IDS_VALUE_MOTION_AMPLITUDE       114
#define IDS_VALUE_MOTION_COUNTER         115
#define IDS_VALUE_MOTION_FREQUENCY       116
#define IDS_VALUE_TEMPERATURE            117
#define IDS_VALUE_MAGNETS                118
#define IDS_VALUE_MAGNET1_PULSES         119
#define IDS_VALUE_MAGNET1_COUNTER        127
#define IDS_VALUE_MAGNET1_FREQUENCY      131
#define IDS_VALUE_ROTATION               83
#define IDS_VALUE_ROTATION_COUNTER       84
#define IDS_VALUE_RIGHT_COUNTER          85
#define IDS_VALUE_RIGHT_FREQUENCY        86
#define IDS_VALUE_LEFT_COUNTER           87
#define IDS_VALUE_LEFT_FREQUENCY         88
#define IDS_VALUE_SERIAL_NUMBER          92

// Output 1 label in its two modes.
#define IDS_OUTPUT1_DISCRETE             89
#define IDS_OUTPUT1_FREQUENCY            90

// The data log could not be opened (the places tried follow, each with the system's reason), or
// it stopped ("%s" the file, then the rows it kept).
#define IDS_DATA_LOG_NOT_OPENED          1990
#define IDS_DATA_LOG_STOPPED             1991
