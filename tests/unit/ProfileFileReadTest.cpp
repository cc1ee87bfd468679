#include <gtest/gtest.h>

#include <string>

#include "settings/ProfileFile.h"

TEST(ProfileRead, NamesMatchWithoutRegardToCaseIncludingAccentedLetters) {
    ProfileFile file(
        "[arrêter]\r\nTYPE D'ARRÊT=3\r\n"
        "[ÉTEINDRE AUTO]\r\npériodicité=1\r\n"
        "[Divers]\r\nmaj icÔnes=0\r\n"
        "[Œuvres]\r\nŠŽŸ=pairs\r\n"
        "[Signes]\r\n×=times\r\nß=sharp\r\n");

    EXPECT_EQ(file.ReadInteger("Arrêter", "Type d'arrêt", 2), 3);
    EXPECT_EQ(file.ReadInteger("ARRÊTER", "type d'arrêt", 2), 3);
    EXPECT_EQ(file.ReadInteger("Éteindre auto", "Périodicité", 0), 1);
    EXPECT_FALSE(file.ReadBool("DIVERS", "MAJ Icônes", true));
    EXPECT_EQ(file.ReadString("œuvres", "šžÿ", "-"), "pairs");

    // Only letters fold: the accent itself still counts, and × is no capital of ÷.
    EXPECT_EQ(file.ReadInteger("Arreter", "Type d'arrêt", 2), 2);
    EXPECT_EQ(file.ReadString("Signes", "÷", "-"), "-");
    EXPECT_EQ(file.ReadString("Signes", "SS", "-"), "-");
    EXPECT_EQ(file.ReadString("Signes", "ß", "-"), "sharp");
}

TEST(ProfileRead, ValueLosesBlanksAroundItThenOneMatchingPairOfQuotes) {
    ProfileFile file(
        "[S]\r\n"
        "  Plain  =  inner  blanks stay \t\r\n"
        "Single='abc'\r\n"
        "Double=\"abc\"\r\n"
        "Mixed='abc\"\r\n"
        "MixedBack=\"abc'\r\n"
        "Padded=  ' padded '  \r\n"
        "Empty=''\r\n"
        "Lone='\r\n"
        "Twice=''x''\r\n"
        "Inside='a'b'\r\n"
        "Opening='abc\r\n"
        "Nothing=\r\n");

    EXPECT_EQ(file.ReadString("S", "Plain", "-"), "inner  blanks stay");
    EXPECT_EQ(file.ReadString("S", "Single", "-"), "abc");
    EXPECT_EQ(file.ReadString("S", "Double", "-"), "abc");
    EXPECT_EQ(file.ReadString("S", "Mixed", "-"), "'abc\"");
    EXPECT_EQ(file.ReadString("S", "MixedBack", "-"), "\"abc'");
    EXPECT_EQ(file.ReadString("S", "Padded", "-"), " padded ");
    EXPECT_EQ(file.ReadString("S", "Empty", "-"), "");
    EXPECT_EQ(file.ReadString("S", "Lone", "-"), "'");
    EXPECT_EQ(file.ReadString("S", "Twice", "-"), "'x'");
    EXPECT_EQ(file.ReadString("S", "Inside", "-"), "a'b");
    EXPECT_EQ(file.ReadString("S", "Opening", "-"), "'abc");
    EXPECT_EQ(file.ReadString("S", "Nothing", "-"), "");
}

// A longer value is not cut, as the system's readers do: it is not read at all.
TEST(ProfileRead, ValuesOfUpTo2047CharactersAreReadLongerOnesNotAtAll) {
    std::string longest(2047, 'a');
    ProfileFile file("[S]\r\nExact=" + longest + "\r\nOver=" + longest + "bc\r\nQuoted='" +
                     longest + "'\r\nQuotedOver=\"" + longest +
                     "b\"\r\nHuge=" + std::string(5000, '1') + "\r\n");

    EXPECT_EQ(file.ReadString("S", "Exact", ""), longest);
    // The quotes go first, so they do not eat into the length.
    EXPECT_EQ(file.ReadString("S", "Quoted", ""), longest);
    for (const char* key : {"Over", "QuotedOver", "Huge"}) {
        EXPECT_EQ(file.ReadString("S", key, ""), std::nullopt) << key;
        EXPECT_EQ(file.ReadInteger("S", key, 7), 7) << key;
    }
}

TEST(ProfileRead, OnlyKeyLinesOfTheFirstSectionOfANameAreFound) {
    ProfileFile file(
        "Orphan=before any section\r\n"
        "[S]\r\n"
        "Key=first\r\n"
        "KEY=second\r\n"
        "; Commented=x\r\n"
        "NoEquals\r\n"
        "Equals==x=y\r\n"
        "[s]\r\n"
        "Key=third\r\n"
        "Later=only in the repeated section\r\n"
        "[]\r\n"
        "Nameless=also a repeat\r\n");

    EXPECT_EQ(file.ReadString("S", "Key", "-"), "first");
    EXPECT_EQ(file.ReadString("S", "Equals", "-"), "=x=y");
    EXPECT_EQ(file.ReadString("S", "Later", "-"), "-");
    EXPECT_EQ(file.ReadString("S", "; Commented", "-"), "-");
    EXPECT_EQ(file.ReadString("S", "NoEquals", "-"), "-");
    // Lines before the first header form the section with the empty name.
    EXPECT_EQ(file.ReadString("", "Orphan", "-"), "before any section");
    EXPECT_EQ(file.ReadString("", "Nameless", "-"), "-");
    EXPECT_EQ(file.ReadString("T", "Key", "-"), "-");
}

TEST(ProfileRead, SectionHeadersAndLineEndingsOfEveryKind) {
    ProfileFile file(
        "  [Indented]  \nA=lf\r\n"
        "[Closed] after\r\nB=crlf\r\n"
        "[ Spaced ]\r\nC=3\r\n"
        "[Open\r\nD=4\r\n"
        "[Mac]\rF=cr\r\rG=after a blank line\r"
        "[Last]\r\nE=no newline");

    EXPECT_EQ(file.ReadString("Indented", "A", "-"), "lf");
    EXPECT_EQ(file.ReadString("Closed", "B", "-"), "crlf");
    // Blanks around a name do not count, in the file or in the question.
    EXPECT_EQ(file.ReadString("Spaced", "C", "-"), "3");
    EXPECT_EQ(file.ReadString(" Spaced\t", " C ", "-"), "3");
    // A "[" without its "]" opens nothing: D still belongs to "Spaced".
    EXPECT_EQ(file.ReadString("Spaced", "D", "-"), "4");
    EXPECT_EQ(file.ReadString("Last", "E", "-"), "no newline");
    EXPECT_EQ(file.ReadString("Mac", "F", "-"), "cr") << "CR alone ends a line";
    EXPECT_EQ(file.ReadString("Mac", "G", "-"), "after a blank line");
}

// A section the reading did not take, in another encoding or an old Mac's, would be added again
// by a write: the file says so. One the reading took, or another name, is no such section.
TEST(ProfileRead, ASectionHeldInAFormTheReadingMissedIsToldApart) {
    const std::string utf16Be("\0[\0A\0r\0r\0\xEA\0t\0e\0r\0]\0\r\0\n", 22);
    const std::string forms[] = {"[ARR\x90TER]\r\n", "[arr\x90ter]\r\n",  // Mac Roman
                                 "[Arr\xC3\xAAter]\r\n; UTF-8 then not: \xE9\r\n", utf16Be};
    for (const std::string& content : forms) {
        const ProfileFile file(content);
        EXPECT_TRUE(file.HoldsUnreadSection("Arrêter")) << content;
        EXPECT_FALSE(file.HoldsUnreadSection("Divers")) << content;
    }
    const ProfileFile read("[arrêter]\r\n[Eteindre auto]\r\n");
    EXPECT_FALSE(read.HoldsUnreadSection("Arrêter"));
    EXPECT_FALSE(read.HoldsUnreadSection("Éteindre auto")) << "another name";
    EXPECT_FALSE(ProfileFile("[Arrter]\r\n").HoldsUnreadSection("Arrêter")) << "a letter fewer";
    EXPECT_TRUE(ProfileFile("[az\x90]\r\n").HoldsUnreadSection("AZé")) << "A to Z, both ends";
}

TEST(ProfileReadInteger, DecimalNegativeAndHexadecimalForms) {
    ProfileFile file(
        "[N]\r\nDec=42\r\nNeg=-17\r\nZeros=007\r\nLow=0x1f\r\nHigh=0X1F\r\nDollar=$fF\r\n"
        "Max=2147483647\r\nMin=-2147483648\r\nAllBits=0xFFFFFFFF\r\nDollarMax=$7FFFFFFF\r\n"
        "Quoted='12'\r\nBlanks=  12  \r\nNegZero=-0\r\n");
    EXPECT_EQ(file.ReadInteger("N", "Dec", 0), 42);
    EXPECT_EQ(file.ReadInteger("N", "Neg", 0), -17);
    EXPECT_EQ(file.ReadInteger("N", "Zeros", 0), 7);
    EXPECT_EQ(file.ReadInteger("N", "Low", 0), 31);
    EXPECT_EQ(file.ReadInteger("N", "High", 0), 31);
    EXPECT_EQ(file.ReadInteger("N", "Dollar", 0), 255);
    EXPECT_EQ(file.ReadInteger("N", "Max", 0), 2147483647);
    EXPECT_EQ(file.ReadInteger("N", "Min", 0), -2147483647 - 1);
    EXPECT_EQ(file.ReadInteger("N", "AllBits", 0), -1);
    EXPECT_EQ(file.ReadInteger("N", "DollarMax", 0), 2147483647);
    EXPECT_EQ(file.ReadInteger("N", "Quoted", 0), 12);
    EXPECT_EQ(file.ReadInteger("N", "Blanks", 0), 12);
    EXPECT_EQ(file.ReadInteger("N", "NegZero", 5), 0);
}

TEST(ProfileReadInteger, TextThatIsNotWhollySuchANumberGivesTheDefault) {
    const char* notNumbers[] = {"oui", "",           "12abc",       "+5",         "1 2",
                                "0x",  "$",          "-",           "-0x10",      "-$10",
                                "0xG", "1e3",        "12.0",        "' 7'",       "0b101",
                                "x1F", "2147483648", "-2147483649", "0x100000000"};
    std::string content = "[N]\r\n";
    for (const char* text : notNumbers) content += std::string("K") + text + "=" + text + "\r\n";
    ProfileFile file(content);

    for (const char* text : notNumbers) {
        EXPECT_EQ(file.ReadInteger("N", std::string("K") + text, 99), 99) << text;
    }
    EXPECT_EQ(file.ReadInteger("N", "Missing", -3), -3);
}

TEST(ProfileReadBool, AnyNumberButZeroIsTrueAndAnythingElseTheDefault) {
    ProfileFile file(
        "[B]\r\nTwo=2\r\nHex=0x1\r\nZero=0\r\nHexZero=$0\r\nMinus=-1\r\nWord=oui\r\n"
        "Empty=\r\n");
    EXPECT_TRUE(file.ReadBool("B", "Two", false));
    EXPECT_TRUE(file.ReadBool("B", "Hex", false));
    EXPECT_TRUE(file.ReadBool("B", "Minus", false));
    EXPECT_FALSE(file.ReadBool("B", "Zero", true));
    EXPECT_FALSE(file.ReadBool("B", "HexZero", true));
    for (bool fallback : {false, true}) {
        EXPECT_EQ(file.ReadBool("B", "Word", fallback), fallback);
        EXPECT_EQ(file.ReadBool("B", "Empty", fallback), fallback);
        EXPECT_EQ(file.ReadBool("B", "Missing", fallback), fallback);
    }
}
