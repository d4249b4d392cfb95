// The profile file: the placement text and the layout of KIV.INI.
#include "AppTestSupport.h"

#include "app/Profile.h"

#include <QFile>

namespace kiv::test {
namespace {

TEST(WindowPosTest, ExactlyTenNumbersCount) {
    const auto p = ParseWindowPos("2,3,-1,-1,-8,-8,10,20,630,471");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->flags, 2u);
    EXPECT_EQ(p->showCmd, 3u);
    EXPECT_EQ(p->maxX, -8);
    EXPECT_EQ(p->right, 630);
    EXPECT_EQ(FormatWindowPos(*p), "2,3,-1,-1,-8,-8,10,20,630,471");

    EXPECT_FALSE(ParseWindowPos("0,1,-1,-1,-1,-1,10,20,630"));
    EXPECT_FALSE(ParseWindowPos("0,1,-1,-1,-1,-1,10,20,630,471,5"));
    EXPECT_FALSE(ParseWindowPos("0,1,-1,-1,-1,-1,10,20,630,x"));
    EXPECT_FALSE(ParseWindowPos(""));
    EXPECT_FALSE(ParseWindowPos("-1,1,-1,-1,-1,-1,10,20,630,471"));
}

class ProfileFileTest : public AppTest {};

TEST_F(ProfileFileTest, GeneralKeysSitUnderGeneralAndFoldersUnderFileLocation) {
    EXPECT_FALSE(CProfile::Exists());
    {
        CProfile profile;
        profile.SetToolTips(false);
        std::array<std::string, 5> folders;
        folders[1] = "/conf/kiv";
        folders[4] = "/conf/pagine \xE8";
        profile.SetFileLocations(folders);
        profile.SetWindowPos(CWindowPlacement{});
        profile.Sync();
    }
    EXPECT_TRUE(CProfile::Exists());
    QFile file(ProfileFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("[General]\nToolTips=0")) << text.toStdString();
    EXPECT_FALSE(text.contains("%General"));
    EXPECT_TRUE(text.contains("[Settings]\nWindowPos="));

    CProfile again;
    EXPECT_FALSE(again.ToolTips());
    const auto folders = again.FileLocations();
    EXPECT_EQ(folders[1], "/conf/kiv");
    EXPECT_EQ(folders[2], "");
    EXPECT_EQ(folders[4], "/conf/pagine \xE8");
}

} // namespace
} // namespace kiv::test
