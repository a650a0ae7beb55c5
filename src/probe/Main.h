#pragma once
// Brannox's only window. It is created hidden and never shown: the whole run is its load handler,
// and it exists so that the probe's messages have an owner of their own.
#include "host/Handles.h"

#include <string>

class Main {
public:
    // The whole run; returns the process exit code (0 when the answer was written).
    int Form_Load(HINSTANCE instance);

private:
    bool SocketsInitialize();
    bool SocketsCleanup();
    void Report(const std::wstring& message) const;

    UniqueWindow window_;
};
