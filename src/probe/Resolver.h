#pragma once
// The name lookup brannox asks of the platform, kept behind an interface so that the answer
// logic can be checked without a network.
#include <optional>

// What a successful lookup hands back: the length of one address as the host entry states it,
// and the first address in its list (network order). Either may be nonsense from a broken
// resolver, so nothing trusts them blindly.
struct HostAddress {
    int length = 0;
    const unsigned char* first = nullptr;
};

class Resolver {
public:
    virtual ~Resolver() = default;
    // Empty when the name did not resolve.
    virtual std::optional<HostAddress> Lookup(const char* hostName) = 0;
};
