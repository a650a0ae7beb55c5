#pragma once
// The release number, from the VERSION file through the build's definitions; the version
// resources include this file too.
#define VISTORA_VERSION_QUOTE2(x) #x
#define VISTORA_VERSION_QUOTE(x) VISTORA_VERSION_QUOTE2(x)
#define VISTORA_VERSION_TEXT                                                                           \
    VISTORA_VERSION_QUOTE(VISTORA_VERSION_MAJOR) "." VISTORA_VERSION_QUOTE(VISTORA_VERSION_MINOR) "." \
        VISTORA_VERSION_QUOTE(VISTORA_VERSION_PATCH)

#ifndef RC_INVOKED
// The number the program shows: major and minor ("5.5").
inline constexpr wchar_t ShortVersion[] =
    L"" VISTORA_VERSION_QUOTE(VISTORA_VERSION_MAJOR) "." VISTORA_VERSION_QUOTE(VISTORA_VERSION_MINOR);
#endif
