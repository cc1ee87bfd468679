#include <gtest/gtest.h>

#include "settings/FileReplacement.h"
#include "support/FakeSystem.h"

// Under Wine a replaced file keeps no attribute or permission either way: here the replace that
// keeps them is seen to be asked for, through a link to its target, with a rename only where the
// file system cannot replace, and nothing put over a file another program holds.
TEST(FileReplacement, TheFileKeepsItsIdentityAndALinkStaysALink) {
    FakeSystem system;
    const std::wstring path = L"C:\\Vossik\\Vossik'.ini";
    const std::string target = "D:\\Réglages\\vossik.ini";
    auto steps = [&](const std::string& content) {
        system.calls.clear();
        const unsigned long error = ReplaceSettingsFile(system, path, content);
        return std::make_pair(error, system.calls);
    };
    using Steps = std::pair<unsigned long, std::vector<std::string>>;

    // A first save makes the file, then replaces it as any other; a link that leads to no file
    // yet gets its target so, and stays a link.
    EXPECT_EQ(steps("a"),
              (Steps{0,
                     {"make C:\\Vossik\\Vossik'.ini", "writefile C:\\Vossik\\Vossik'.ini.tmp",
                      "replace C:\\Vossik\\Vossik'.ini"}}));
    system.links[Narrow(path)] = target;
    EXPECT_EQ(steps("b"),
              (Steps{0, {"make " + target, "writefile " + target + ".tmp", "replace " + target}}));
    EXPECT_EQ(system.fileContents[target], "b");
    EXPECT_FALSE(system.files.contains(target + ".tmp"));

    // A name beside it already taken, by a link to another file say, is never written through.
    // Where the file system cannot replace (its codes ERROR_INVALID_FUNCTION, ERROR_NOT_SUPPORTED,
    // ERROR_INVALID_PARAMETER, ERROR_CALL_NOT_IMPLEMENTED), a rename puts the file in place.
    system.links[target + ".tmp"] = "C:\\Documents\\lettre.txt";
    system.fileContents["C:\\Documents\\lettre.txt"] = "Chère Anne";
    for (unsigned long cannotReplace : {1ul, 50ul, 87ul, 120ul}) {
        system.replaceError = cannotReplace;
        EXPECT_EQ(steps("c"),
                  (Steps{0,
                         {"writefile " + target + ".tmp", "writefile " + target + ".1.tmp",
                          "replace " + target, "rename " + target}}))
            << cannotReplace;
        EXPECT_EQ(system.fileContents[target], "c");
    }
    EXPECT_EQ(system.fileContents["C:\\Documents\\lettre.txt"], "Chère Anne");

    system.replaceError = errorcode::SharingViolation;
    EXPECT_EQ(steps("d"), (Steps{errorcode::SharingViolation,
                                 {"writefile " + target + ".tmp", "writefile " + target + ".1.tmp",
                                  "replace " + target, "remove " + target + ".1.tmp"}}));
    EXPECT_EQ(system.fileContents[target], "c");
    EXPECT_FALSE(system.files.contains(target + ".1.tmp"));

    system.readOnly.insert(target);
    EXPECT_EQ(steps("e"), (Steps{errorcode::FileReadOnly, {}}));
    EXPECT_EQ(system.fileContents[target], "c");

    // A first save that fails leaves no file behind.
    system.links.clear();
    system.files.clear();
    system.readOnly.clear();
    EXPECT_EQ(steps("f").first, errorcode::SharingViolation);
    EXPECT_TRUE(system.files.empty());
}
