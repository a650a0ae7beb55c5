#include "probe/SocketsRules.h"

int lobyte(std::uint16_t value)
{
    return value & 0xFF;
}

int hibyte(std::uint16_t value)
{
    return (value / 256) & 0xFF;
}

std::string StartupProblem(const SocketsStartup& startup)
{
    if (startup.result != 0) return "Winsock.dll is not responding.";
    const int major = lobyte(startup.wVersion);
    const int minor = hibyte(startup.wVersion);
    if (major < 1 || (major == 1 && minor < 1)) {
        return "Windows Sockets version " + std::to_string(major) + "." + std::to_string(minor) +
               " is not supported by winsock.dll ";
    }
    constexpr int minimumSockets = 1;
    if (startup.iMaxSockets < minimumSockets) {
        return "This application requires a minimum of " + std::to_string(minimumSockets) +
               " supported sockets.";
    }
    return {};
}

std::string CleanupProblem(int result)
{
    if (result == 0) return {};
    return "Socket error " + std::to_string(result) + " occurred in Cleanup ";
}
