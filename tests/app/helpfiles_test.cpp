#include "app/helpfiles.h"
#include "windows/windowtest.h"

TEST(HelpFiles, DocumentsInTheHelpFolderBesideTheProgramAndTheHomePage) {
    for (const auto& [directory, start] :
         {std::pair{"/opt/velumbra", "/opt/velumbra/Help/Velumbra"},
          {"/opt/velumbra/", "/opt/velumbra/Help/Velumbra"},
          {"", "Help/Velumbra"}}) {
        EXPECT_EQ(quickStartFile(directory, "Velumbra"), QString(start) + " - Quick Start.html");
        EXPECT_EQ(usersGuideFile(directory, "Velumbra"), QString(start) + " - User's Guide.html");
    }
    EXPECT_EQ(usersGuideUrl("/home/ann/my programs", "V").toLocalFile(),
              "/home/ann/my programs/Help/V - User's Guide.html");
    EXPECT_EQ(homePageUrl(homePageWord).toString(), "https://velumbra.example.org/");
}
