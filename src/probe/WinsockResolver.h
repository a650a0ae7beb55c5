#pragma once
// Name lookup through Windows Sockets 1.1 (wsock32).
#include "probe/Resolver.h"

class WinsockResolver final : public Resolver {
public:
    std::optional<HostAddress> Lookup(const char* hostName) override;
};
