#include "app/helpfiles.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpFilesTest, DocumentsLieInTheHelpFolderBesideTheProgram) {
    const char* const cases[][2] = {
        {"/opt/velumbra", "/opt/velumbra/Help/Velumbra"},
        {"/opt/velumbra/", "/opt/velumbra/Help/Velumbra"},
        {"/", "/Help/Velumbra"},
        {"", "Help/Velumbra"},
    };
    for (const auto& [directory, start] : cases) {
        SCOPED_TRACE(directory);
        EXPECT_EQ(quickStartFile(directory, "Velumbra"), QString(start) + " - Quick Start.html");
        EXPECT_EQ(usersGuideFile(directory, "Velumbra"), QString(start) + " - User's Guide.html");
    }
}

TEST(HelpFilesTest, TheViewerGetsLocalFilesAndTheHomePageAddress) {
    const QUrl guide = usersGuideUrl("/home/ann/my programs/velumbra", "Velumbra");
    EXPECT_TRUE(guide.isLocalFile());
    EXPECT_EQ(guide.toLocalFile(),
              "/home/ann/my programs/velumbra/Help/Velumbra - User's Guide.html");
    EXPECT_EQ(quickStartUrl("/opt/v", "Velumbra").toLocalFile(),
              "/opt/v/Help/Velumbra - Quick Start.html");
    const QUrl home = homePageUrl(homePageWord);
    EXPECT_EQ(home.toString(), "https://velumbra.example.org/");
    EXPECT_TRUE(home.isValid() && !home.isLocalFile());
}

} // namespace
