#pragma once
// Whether this machine is on line: a well-known public host name resolves to an address.
#include "probe/Resolver.h"

#include <string>

// Always answered by a working name service when the machine is on line.
inline constexpr const char* kWellKnownHost = "www.google.com";

// No address family carries more than 16 bytes (IPv6); a longer claim is a corrupt entry.
inline constexpr int kMaxAddressBytes = 16;

// Each byte's decimal value, joined by "."; empty for no bytes.
std::string DottedAddress(const unsigned char* bytes, int count);

bool ifConnected(Resolver& resolver);
