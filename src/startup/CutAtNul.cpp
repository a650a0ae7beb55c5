#include "startup/CutAtNul.h"

namespace {

template <typename Char>
std::basic_string<Char> CutBeforeNul(std::basic_string_view<Char> buffer)
{
    const auto nul = buffer.find(Char{});
    if (nul == std::basic_string_view<Char>::npos) return {};
    return std::basic_string<Char>(buffer.substr(0, nul));
}

} // namespace

std::wstring CutAtNul(std::wstring_view buffer) { return CutBeforeNul(buffer); }
std::string CutAtNul(std::string_view buffer) { return CutBeforeNul(buffer); }
