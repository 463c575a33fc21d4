// The --help text of kivra-cli.
#include "ui/cli/HelpText.h"

std::wstring CliHelpText()
{
    return LR"(kivra-cli: configure and watch a rotation and tilt sensor from the command line.

usage: kivra-cli COMMAND [OPERANDS] [OPTIONS]      (options may stand anywhere)

Connection (without one, the COM port stored by the window program is used):
  --port COMn --baud 19200|9600|4800     the sensor on a COM port (baud 19200 by default)
  --relay HOST:PORT --terminal ID        the sensor behind an on-board terminal, through the relay server
      [--terminal-port 1|2]              the terminal's port: 1 RS232, 2 RS485 (default 2)
      [--terminal-baud 19200|9600|4800]  its baud rate (default 19200)
  --address N                            the sensor's network address; 255, the default, is the common address
  --timeout S                            longest silence of the sensor, in seconds (15 direct, 150 relay)
  --lang en|ru                           language of the sensor's texts (default: as the window program)
  --trace FILE                           write the communication trace (every frame in hex) to FILE
  --resources FILE                       append the program's memory, handles and GDI objects to FILE
                                         at the start and once a minute (for long runs)

Commands:
  info [--json]                          identification, connection and status texts
  settings get [--json]                  every setting as KEY = VALUE, or as one JSON object
  settings set KEY=VALUE...              change settings, write them and wait for the sensor's verdict
  settings set --from FILE               the same with the KEY=VALUE lines (or JSON) of a file
  settings export FILE                   the settings as a JSON document
  settings import FILE [--include-serial] [--include-address]
                                         write the settings of a document; the sensor keeps its serial
                                         number and network address unless asked to take them
  live [--count N] [--fast] [--json]     live values, one line per poll, until N lines (or Ctrl+C)
  log FILE [--count N] [--full] [--fast]  append N data-log rows (default 10) to FILE
  zero                                   take the current tilt as the zero angle
  address N [--common on|off] [--secondary on|off]
                                         change the network address (and the address options)
  diag                                   read the diagnostic flags
  test VALUE                             send the test command with VALUE
  firmware FILE                          update the firmware from a .fw image; resumes an interrupted one
  ports                                  the COM ports as the connection dialog lists them
  scan [--baud 19200|9600|4800|all] [--addresses FIRST-LAST] [--json]
                                         find the sensors on a COM port: every address (255 first)
                                         at each baud rate; model, firmware version, serial number
  help, --help                           this text

Exit status: 0 done, 2 wrong command line, 3 COM port missing or busy, 4 relay server unreachable,
5 terminal refused, 6 sensor silent, 7 unsupported sensor model, 8 invalid value (nothing sent),
9 rejected by the sensor, 10 bad firmware file, 11 file error, 12 connection lost,
13 interrupted (Ctrl+C; live without --count ends that way with 0), 14 scan found no sensor.
)";
}
