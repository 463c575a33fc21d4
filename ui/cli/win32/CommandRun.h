// What a command of kivra-cli runs with: the console, and the link to the sensor made when the
// command first asks for it (ports, scan and the help make none).
#pragma once

#include "ui/cli/win32/SensorLink.h"

#include <optional>

class CConsoleOutput;

class CCommandRun
{
public:
    CCommandRun(const CliArguments& arguments, CConsoleOutput& output) : m_arguments(arguments), m_output(output) {}

    CConsoleOutput& Output() { return m_output; }
    // Made on the first call, with Ctrl+C caught from then on; not yet connected.
    CSensorLink& Link();

private:
    const CliArguments& m_arguments;
    CConsoleOutput& m_output;
    std::optional<CSensorLink> m_link;
};
