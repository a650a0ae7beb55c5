#include "probe/Connection.h"

#include <cctype>
#include <vector>

std::string DottedAddress(const unsigned char* bytes, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(bytes[i]);
        text += '.';
    }
    if (!text.empty()) text.pop_back();
    return text;
}

bool ifConnected(Resolver& resolver)
{
    const std::optional<HostAddress> entry = resolver.Lookup(kWellKnownHost);
    if (!entry) return false;
    // An entry without a usable first address answers like a failed lookup instead of
    // reading memory it does not own.
    if (!entry->first || entry->length < 1 || entry->length > kMaxAddressBytes) return false;
    const std::vector<unsigned char> address(entry->first, entry->first + entry->length);
    const std::string text = DottedAddress(address.data(), static_cast<int>(address.size()));
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text.front())) != 0;
}
