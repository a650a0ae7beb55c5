#include <gtest/gtest.h>

#include "probe/AnswerFile.h"
#include "probe/Connection.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

class ProbeAnswerFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("probe_answer_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        file_ = folder_ / kAnswerFileName;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Contents() const
    {
        std::ifstream in(file_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path folder_;
    fs::path file_;
};

// Looks at the answer file while it "resolves", as Vistora might at any moment.
class WatchingResolver final : public Resolver {
public:
    WatchingResolver(fs::path file, bool resolves) : file_(std::move(file)), resolves_(resolves) {}
    std::optional<HostAddress> Lookup(const char*) override
    {
        ++calls;
        existedWhileResolving = fs::exists(file_);
        if (existedWhileResolving) sizeWhileResolving = fs::file_size(file_);
        if (!resolves_) return std::nullopt;
        return HostAddress{4, address_};
    }
    int calls = 0;
    bool existedWhileResolving = false;
    std::uintmax_t sizeWhileResolving = 12345;

private:
    fs::path file_;
    bool resolves_;
    const unsigned char address_[4] = {192, 0, 2, 7};
};

} // namespace

TEST_F(ProbeAnswerFile, ExistsEmptyWhileResolvingThenHoldsOneLine)
{
    std::ofstream(file_, std::ios::binary) << "True\r\nFalse\r\nleft from before\r\n";

    WatchingResolver offline(file_, false);
    EXPECT_EQ(WriteAnswerFile(file_, [&] { return ifConnected(offline); }), AnswerFileResult::Written);
    EXPECT_EQ(offline.calls, 1);
    EXPECT_TRUE(offline.existedWhileResolving);
    EXPECT_EQ(offline.sizeWhileResolving, 0u);
    EXPECT_EQ(Contents(), "False\r\n");
    EXPECT_EQ(fs::file_size(file_), 7u);

    WatchingResolver online(file_, true);
    EXPECT_EQ(WriteAnswerFile(file_, [&] { return ifConnected(online); }), AnswerFileResult::Written);
    EXPECT_TRUE(online.existedWhileResolving);
    EXPECT_EQ(online.sizeWhileResolving, 0u);
    EXPECT_EQ(Contents(), "True\r\n");
    EXPECT_EQ(fs::file_size(file_), 6u);
}

TEST_F(ProbeAnswerFile, UncreatableFileIsReportedAndNothingIsAsked)
{
    // A folder in the file's place cannot be opened for output.
    fs::create_directory(file_);
    WatchingResolver resolver(file_, true);
    EXPECT_EQ(WriteAnswerFile(file_, [&] { return ifConnected(resolver); }), AnswerFileResult::CreateFailed);
    EXPECT_EQ(resolver.calls, 0);

    EXPECT_EQ(WriteAnswerFile(folder_ / "missing" / kAnswerFileName, [] { return true; }),
              AnswerFileResult::CreateFailed);
}
