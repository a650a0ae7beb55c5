#include "probe/WinsockResolver.h"

#include <windows.h>
#include <winsock.h>

std::optional<HostAddress> WinsockResolver::Lookup(const char* hostName)
{
    // Blocks until the name service answers or gives up; the entry stays valid until the next
    // Windows Sockets call on this thread.
    const hostent* entry = gethostbyname(hostName);
    if (!entry) return std::nullopt;
    HostAddress address;
    address.length = entry->h_length;
    if (entry->h_addr_list) address.first = reinterpret_cast<const unsigned char*>(entry->h_addr_list[0]);
    return address;
}
