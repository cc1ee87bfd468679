#include <gtest/gtest.h>

#include "types/PathParts.h"

TEST(PathParts, SplitAfterTheLastBackslashOrColon) {
    struct Case {
        const char* Path;
        const char* Folder;
        const char* Name;
    };
    for (Case c : {Case{"C:\\", "C:\\", ""},
                   {"C:\\Outils\\notes.exe", "C:\\Outils\\", "notes.exe"},
                   {"D:notes.txt", "D:", "notes.txt"},
                   {"C:\\Docs\\*.txt", "C:\\Docs\\", "*.txt"},
                   {"notes.txt", "", "notes.txt"}}) {
        EXPECT_EQ(FolderPart(c.Path), c.Folder) << c.Path;
        EXPECT_EQ(NamePart(c.Path), c.Name) << c.Path;
    }
}
