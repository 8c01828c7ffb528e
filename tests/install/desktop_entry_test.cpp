#include "desktop_entry.h"

#include <gtest/gtest.h>

using Words = std::vector<std::string>;

TEST(DesktopEntry, ReadsTheKeysOfItsOwnGroupWithEscapesUndone) {
    const auto entry = desktop::readEntry("# a comment\n"
                                          "[Desktop Entry]\n"
                                          "Name=Cubefall\n"
                                          "Path=/a\\sb\\\\c\n"
                                          "\n"
                                          "[Desktop Action New]\n"
                                          "Name=Other\n");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->size(), 2u);
    EXPECT_EQ(entry->at("Name"), "Cubefall");
    EXPECT_EQ(entry->at("Path"), "/a b\\c");

    EXPECT_FALSE(desktop::readEntry("[Other]\nName=x\n"));
    EXPECT_FALSE(desktop::readEntry("Name=x\n[Desktop Entry]\n"));
    EXPECT_FALSE(desktop::readEntry("[Desktop Entry]\nnot a key\n"));
}

// The Exec value after the string escapes: quotes keep spaces in one word, a backslash in
// quotes keeps the next character, %% is a percent sign even in quotes.
TEST(DesktopEntry, SplitsACommandAsALauncherDoes) {
    EXPECT_EQ(desktop::commandOf("/usr/bin/cubefall"), Words{"/usr/bin/cubefall"});
    EXPECT_EQ(desktop::commandOf("\"/opt/a b/cubefall\"  -geometry 640x480 %U"),
              (Words{"/opt/a b/cubefall", "-geometry", "640x480"}));
    EXPECT_EQ(desktop::commandOf("\"/x\\$y\\\"z/100%%\""), Words{"/x$y\"z/100%"});
    EXPECT_FALSE(desktop::commandOf("\"/opt/a b/cubefall"));
    EXPECT_FALSE(desktop::commandOf("cubefall %c"));
}
