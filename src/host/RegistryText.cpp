#include "host/Registry.h"

#include <algorithm>
#include <vector>

namespace {

// A command line is far shorter; anything larger is not a registration worth reading.
constexpr std::uint32_t MaxValueBytes = 1u << 20;
// A value rewritten between the size query and the read is asked for again, a few times.
constexpr int MaxReadAttempts = 4;

// Registry text is UTF-16 little-endian; wchar_t is 16 bits on Windows, 32 elsewhere.
std::wstring TextFromUtf16(const std::vector<std::byte>& bytes, std::size_t sizeBytes)
{
    std::u16string units;
    units.reserve(sizeBytes / 2);
    for (std::size_t i = 0; i + 1 < sizeBytes; i += 2) {
        auto unit = static_cast<char16_t>(std::to_integer<unsigned>(bytes[i])
                                          | (std::to_integer<unsigned>(bytes[i + 1]) << 8));
        if (unit == u'\0') break; // the terminator, or whatever a stray NUL leaves behind
        units.push_back(unit);
    }
    std::wstring text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if constexpr (sizeof(wchar_t) >= 4) {
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00
                && units[i + 1] < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
            }
        }
        text.push_back(static_cast<wchar_t>(c));
    }
    return text;
}

} // namespace

std::optional<std::wstring> ReadTextValue(RegistryKey& key, const std::wstring& name)
{
    std::uint32_t type = 0;
    std::uint32_t sizeBytes = 0;
    if (key.QueryValue(name, nullptr, sizeBytes, type) != RegistryQuery::Ok) return {};
    for (int attempt = 0; attempt < MaxReadAttempts; ++attempt) {
        if (sizeBytes == 0 || sizeBytes > MaxValueBytes) return {};
        std::vector<std::byte> buffer(sizeBytes);
        std::uint32_t gotBytes = sizeBytes;
        switch (key.QueryValue(name, buffer.data(), gotBytes, type)) {
        case RegistryQuery::MoreData: // grew since the size was asked for
            sizeBytes = gotBytes;
            continue;
        case RegistryQuery::Failed:
            return {};
        case RegistryQuery::Ok:
            break;
        }
        if (type != registry_type::String && type != registry_type::ExpandString) return {};
        // Shrunk values report their new size; never trust more than the buffer holds.
        return TextFromUtf16(buffer, std::min(gotBytes, sizeBytes));
    }
    return {};
}

