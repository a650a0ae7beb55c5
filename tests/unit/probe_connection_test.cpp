#include <gtest/gtest.h>

#include "probe/Connection.h"
#include "probe/SocketsRules.h"

#include <string>
#include <vector>

namespace {

// Hands back a prepared host entry, or none, and remembers the name it was asked for.
class FakeResolver final : public Resolver {
public:
    explicit FakeResolver(std::optional<HostAddress> entry) : entry_(entry) {}
    std::optional<HostAddress> Lookup(const char* hostName) override
    {
        askedFor = hostName;
        return entry_;
    }
    std::string askedFor;

private:
    std::optional<HostAddress> entry_;
};

bool Answer(int length, const unsigned char* first)
{
    FakeResolver resolver(HostAddress{length, first});
    return ifConnected(resolver);
}

} // namespace

TEST(ProbeConnection, AnswersFalseWhenTheNameDoesNotResolve)
{
    FakeResolver resolver(std::nullopt);
    EXPECT_FALSE(ifConnected(resolver));
    EXPECT_EQ(resolver.askedFor, kWellKnownHost);
}

TEST(ProbeConnection, AnyReturnedAddressAnswersTrue)
{
    const unsigned char ipv4[] = {93, 184, 216, 34};
    EXPECT_TRUE(Answer(4, ipv4));
    const unsigned char zeros[] = {0, 0, 0, 0};
    EXPECT_TRUE(Answer(4, zeros));
    std::vector<unsigned char> ipv6(16);
    for (int i = 0; i < 16; ++i) ipv6[i] = static_cast<unsigned char>(0xF0 + i);
    EXPECT_TRUE(Answer(16, ipv6.data()));
    const unsigned char single[] = {255};
    EXPECT_TRUE(Answer(1, single));

    EXPECT_EQ(DottedAddress(ipv4, 4), "93.184.216.34");
    EXPECT_EQ(DottedAddress(ipv6.data(), 16), "240.241.242.243.244.245.246.247.248.249.250.251.252.253.254.255");
    EXPECT_EQ(DottedAddress(ipv4, 0), "");
}

TEST(ProbeConnection, BrokenEntriesAnswerFalseWithoutReading)
{
    const unsigned char ipv4[] = {10, 0, 0, 1};
    EXPECT_FALSE(Answer(0, ipv4));
    EXPECT_FALSE(Answer(-1, ipv4));
    EXPECT_FALSE(Answer(-32768, ipv4));
    EXPECT_FALSE(Answer(4, nullptr));
    // Longer than any address; reading that far would run past the 4 bytes there are.
    EXPECT_FALSE(Answer(kMaxAddressBytes + 1, ipv4));
    EXPECT_FALSE(Answer(32767, ipv4));
}

TEST(ProbeSockets, StartupChecksInOrderWithExactMessages)
{
    const std::string notResponding = "Winsock.dll is not responding.";
    // A failed call wins whatever the record holds.
    EXPECT_EQ(StartupProblem({10091, 0x0101, 100}), notResponding);
    EXPECT_EQ(StartupProblem({-1, 0x0000, 0}), notResponding);

    EXPECT_EQ(StartupProblem({0, 0x0000, 100}), "Windows Sockets version 0.0 is not supported by winsock.dll ");
    EXPECT_EQ(StartupProblem({0, 0x0001, 100}), "Windows Sockets version 1.0 is not supported by winsock.dll ");
    EXPECT_EQ(StartupProblem({0, 0x0500, 100}), "Windows Sockets version 0.5 is not supported by winsock.dll ");
    // The version is checked before the socket count.
    EXPECT_EQ(StartupProblem({0, 0x0001, 0}), "Windows Sockets version 1.0 is not supported by winsock.dll ");

    const std::string tooFew = "This application requires a minimum of 1 supported sockets.";
    EXPECT_EQ(StartupProblem({0, 0x0101, 0}), tooFew);
    EXPECT_EQ(StartupProblem({0, 0x0101, -1}), tooFew);

    EXPECT_EQ(StartupProblem({0, 0x0101, 1}), "");
    EXPECT_EQ(StartupProblem({0, 0x0101, 32767}), "");
    EXPECT_EQ(StartupProblem({0, 0x0002, 1}), "");
    EXPECT_EQ(StartupProblem({0, 0x0202, 1}), "");
}

TEST(ProbeSockets, CleanupMessageCarriesTheResult)
{
    EXPECT_EQ(CleanupProblem(0), "");
    EXPECT_EQ(CleanupProblem(-1), "Socket error -1 occurred in Cleanup ");
    EXPECT_EQ(CleanupProblem(10093), "Socket error 10093 occurred in Cleanup ");
}
