#pragma once
// What brannox accepts from Windows Sockets, and the messages it shows when it does not.
#include <cstdint>
#include <string>

// Windows Sockets 1.1, the version brannox asks for.
inline constexpr std::uint16_t kSocketsVersion = 0x0101;

int lobyte(std::uint16_t value);
int hibyte(std::uint16_t value);

// The parts of the start-up record that are checked.
struct SocketsStartup {
    int result = 0;
    std::uint16_t wVersion = 0;
    std::int16_t iMaxSockets = 0;
};

// Empty when the start-up is usable, otherwise the message to show before ending.
std::string StartupProblem(const SocketsStartup& startup);

// Empty when deregistering succeeded, otherwise the message to show before ending.
std::string CleanupProblem(int result);
