#pragma once
// A registry key for tests: its value as versions, each query seeing the next one.
#include <algorithm>
#include <cstring>
#include <vector>

#include "host/Registry.h"

struct FakeValue {
    std::vector<std::byte> bytes;
    std::uint32_t type = registry_type::String;
};

// Answers like RegQueryValueEx. Each query sees the next version of the value (the last one
// stays), so a value can change between the size query and the read.
class FakeKey final : public RegistryKey {
public:
    explicit FakeKey(std::vector<FakeValue> versions) : versions_(std::move(versions)) {}

    RegistryQuery QueryValue(const std::wstring&, std::byte* data, std::uint32_t& sizeBytes,
                             std::uint32_t& type) override
    {
        if (versions_.empty()) return RegistryQuery::Failed;
        const FakeValue& value = versions_[std::min(queries_++, versions_.size() - 1)];
        const auto capacity = sizeBytes;
        sizeBytes = static_cast<std::uint32_t>(value.bytes.size());
        type = value.type;
        if (!data) return RegistryQuery::Ok;
        if (capacity < value.bytes.size()) return RegistryQuery::MoreData;
        if (!value.bytes.empty()) std::memcpy(data, value.bytes.data(), value.bytes.size());
        return RegistryQuery::Ok;
    }

private:
    std::vector<FakeValue> versions_;
    std::size_t queries_ = 0;
};
