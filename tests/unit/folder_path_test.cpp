#include "host/FolderPath.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using host::FolderRootLength;
using host::LongPathForm;
using host::NearestExistingFolder;

TEST(FolderPathRoot, DriveAndShareRoots)
{
    EXPECT_EQ(FolderRootLength(L"c:\\talks\\2026"), 3u);
    EXPECT_EQ(FolderRootLength(L"C:\\"), 3u);
    EXPECT_EQ(FolderRootLength(L"\\\\server\\share\\talks"), 15u);
    EXPECT_EQ(FolderRootLength(L"\\\\server\\share"), 14u);
    EXPECT_EQ(FolderRootLength(L"c:talks"), 0u);
    EXPECT_EQ(FolderRootLength(L"talks"), 0u);
    EXPECT_EQ(FolderRootLength(L""), 0u);
}

namespace {

// Answers from a fixed set of folders and keeps the questions asked.
struct Existing {
    std::set<std::wstring> folders;
    std::vector<std::wstring> asked;
    bool operator()(const std::wstring& folder)
    {
        asked.push_back(folder);
        return folders.count(folder) != 0;
    }
};

std::wstring Nearest(Existing& existing, const std::wstring& path)
{
    return NearestExistingFolder(path, [&](const std::wstring& folder) { return existing(folder); });
}

} // namespace

TEST(FolderPathNearest, TheClosestAncestorThatExistsThenTheRoot)
{
    Existing disk{{L"c:\\", L"c:\\talks", L"c:\\talks\\2026"}, {}};
    EXPECT_EQ(Nearest(disk, L"c:\\talks\\2026"), L"c:\\talks\\2026");
    EXPECT_EQ(Nearest(disk, L"c:\\talks\\2026\\gone\\deeper"), L"c:\\talks\\2026");
    EXPECT_EQ(Nearest(disk, L"c:\\other\\gone"), L"c:\\");
    EXPECT_EQ(Nearest(disk, L"c:\\"), L"c:\\");
    disk.asked.clear();
    EXPECT_EQ(Nearest(disk, L"c:\\talks\\x\\y"), L"c:\\talks");
    EXPECT_EQ(disk.asked, (std::vector<std::wstring>{L"c:\\", L"c:\\talks\\x\\y", L"c:\\talks\\x", L"c:\\talks"}));

    Existing share{{L"\\\\server\\share\\", L"\\\\server\\share\\talks"}, {}};
    EXPECT_EQ(Nearest(share, L"\\\\server\\share\\talks\\gone"), L"\\\\server\\share\\talks");
    EXPECT_EQ(Nearest(share, L"\\\\server\\share\\gone"), L"\\\\server\\share\\");
}

TEST(FolderPathNearest, AGoneDriveCostsOneQuestion)
{
    Existing disk{{L"c:\\", L"c:\\talks"}, {}};
    EXPECT_EQ(Nearest(disk, L"e:\\talks\\2026"), L"");
    EXPECT_EQ(disk.asked, (std::vector<std::wstring>{L"e:\\"}));
    EXPECT_EQ(Nearest(disk, L"talks"), L"") << "no root, nothing to walk up to";
}

TEST(FolderPathLong, OnlyPathsThatReachTheLimitGetTheLongForm)
{
    const std::wstring folder = L"c:\\" + std::wstring(240, L'a');
    const std::wstring atLimit = folder + L"\\" + std::wstring(259 - folder.size() - 1, L'b');
    ASSERT_EQ(atLimit.size(), 259u);
    EXPECT_EQ(LongPathForm(atLimit), atLimit);
    EXPECT_EQ(LongPathForm(atLimit + L"c"), L"\\\\?\\" + atLimit + L"c");
    const std::wstring share = L"\\\\server\\share\\" + std::wstring(250, L'a');
    EXPECT_EQ(LongPathForm(share), L"\\\\?\\UNC\\server\\share\\" + std::wstring(250, L'a'));
    EXPECT_EQ(LongPathForm(L"\\\\?\\" + atLimit + L"c"), L"\\\\?\\" + atLimit + L"c") << "already long";
    EXPECT_EQ(LongPathForm(std::wstring(300, L'r')), std::wstring(300, L'r')) << "relative paths are left alone";
}
