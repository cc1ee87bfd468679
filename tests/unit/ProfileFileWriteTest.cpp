#include <gtest/gtest.h>

#include <string>

#include "settings/ProfileFile.h"

TEST(ProfileWrite, ReplacesAValueWhereItsKeyStandsKeepingTheLineUpToTheValue) {
    ProfileFile file(
        "[Divers]\r\nsimple CLICK =  0\r\nMAJ Icônes=1\r\n  Temporisation\t=\t'10'\r\n");
    file.WriteBool("DIVERS", "Simple Click", true);
    file.WriteInteger("Divers", "temporisation", -3);
    file.WriteString("Divers", "maj icônes", "");

    EXPECT_EQ(file.Content(),
              "[Divers]\r\nsimple CLICK =  1\r\nMAJ Icônes=\r\n  Temporisation\t=\t-3\r\n");
    EXPECT_EQ(file.ReadInteger("Divers", "Temporisation", 10), -3);
}

TEST(ProfileWrite, AppendsANewKeyAfterTheLastKeyOfItsSection) {
    ProfileFile file(
        "[Dossiers]\r\nNombre=1\r\nRep0=C:\\\r\n\r\n; the quick-launch list\r\n"
        "[Vide]\r\n"
        "[Lancement Rapide]\r\nNombre=0\r\n; end\r\n");
    file.WriteString("Dossiers", "Rep1", "D:\\");
    file.WriteString("Dossiers", "Rac1", "Data");
    file.WriteString("Vide", "K", "v");
    file.WriteString("Lancement Rapide", "Rep0", "notes.txt");
    // Writing again a key we appended replaces it.
    file.WriteString("Dossiers", "rep1", "E:\\");

    EXPECT_EQ(file.Content(),
              "[Dossiers]\r\nNombre=1\r\nRep0=C:\\\r\nRep1=E:\\\r\nRac1=Data\r\n\r\n"
              "; the quick-launch list\r\n"
              "[Vide]\r\nK=v\r\n"
              "[Lancement Rapide]\r\nNombre=0\r\nRep0=notes.txt\r\n; end\r\n");
}

TEST(ProfileWrite, NewSectionsGoLastNamelessKeysFirstAndALastLineGetsItsNewline) {
    ProfileFile unterminated("[A]\r\nX=1");
    unterminated.WriteString("B", "K", "v");
    unterminated.WriteString("B", "L", "w");
    EXPECT_EQ(unterminated.Content(), "[A]\r\nX=1\r\n[B]\r\nK=v\r\nL=w\r\n");

    ProfileFile lastKeyUnterminated("[A]\r\nX=1");
    lastKeyUnterminated.WriteString("A", "Y", "2");
    EXPECT_EQ(lastKeyUnterminated.Content(), "[A]\r\nX=1\r\nY=2\r\n");

    // Something written before the unterminated line leaves it as it was.
    ProfileFile commentLast("[A]\r\nX=1\r\n; end");
    commentLast.WriteString("A", "Y", "2");
    EXPECT_EQ(commentLast.Content(), "[A]\r\nX=1\r\nY=2\r\n; end");

    ProfileFile headed("[A]\r\nX=1\r\n");
    headed.WriteString("", "Top", "1");
    EXPECT_EQ(headed.Content(), "Top=1\r\n[A]\r\nX=1\r\n");

    ProfileFile empty("");
    empty.WriteString("Arrêter", "Forcer", "0");
    EXPECT_EQ(empty.Content(), "[Arrêter]\r\nForcer=0\r\n");
}

TEST(ProfileWrite, KeepsTheLineEndingsOfTheFile) {
    // New lines end as most of the file's lines do: LF here, in a file another editor touched.
    ProfileFile file("[A]\nX=1\nY=2\n[B]\r\nZ=3\n");
    file.WriteInteger("A", "Y", 5);
    file.WriteInteger("A", "W", 6);
    file.WriteInteger("B", "Z", 7);
    file.WriteInteger("C", "V", 8);
    EXPECT_EQ(file.Content(), "[A]\nX=1\nY=5\nW=6\n[B]\r\nZ=7\n[C]\nV=8\n");

    // An old Mac's file stays one: its new lines end with CR alone too.
    ProfileFile mac("[A]\rX=1\r\rY=2");
    mac.WriteInteger("A", "Y", 5);
    mac.WriteInteger("A", "W", 6);
    mac.WriteInteger("B", "Z", 7);
    EXPECT_EQ(mac.Content(), "[A]\rX=1\r\rY=5\rW=6\r[B]\rZ=7\r");
}

TEST(ProfileWrite, WritesIntoASectionStoredInAnotherCase) {
    ProfileFile file("[lancement rapide]\r\naffichage=1\r\nNombre=1\r\n[Arrêter]\r\nForcer=0\r\n");
    file.WriteBool("Lancement Rapide", "Affichage", false);
    file.WriteInteger("Lancement Rapide", "Nombre", 2);
    file.WriteString("Lancement Rapide", "Opt1", "¶");

    EXPECT_EQ(file.Content(),
              "[lancement rapide]\r\naffichage=0\r\nNombre=2\r\nOpt1=\xB6\r\n"
              "[Arrêter]\r\nForcer=0\r\n");
}

// A file edited by hand and shortened from five entries to three: everything the save does
// not name must survive it.
TEST(ProfileWrite, ASaveLeavesEverythingItDoesNotWriteByteForByte) {
    const std::string before =
        "; Vossik' settings\r\n"
        "\r\n"
        "[Divers]\r\n"
        "Simple Click=1\r\n"
        "Inconnu = garder\r\n"
        "\r\n"
        "[Autre programme]\n"
        "Cle=valeur\n"
        "\n"
        "[Dossiers]\r\n"
        "Affichage = 1\r\n"
        "Nombre=5\r\n"
        "Rep0=C:\\Windows\r\n"
        "Rac0=Win\r\n"
        "; a note between entries\r\n"
        "Rep1=C:\\Temp\r\n"
        "Rep2=D:\\\r\n"
        "Rep3=E:\\old\r\n"
        "Rep4=F:\\old\r\n"
        "\r\n"
        "; trailing comment\r\n"
        "[Fin]\r\n"
        "X=1";
    ProfileFile file(before);
    file.WriteBool("Divers", "Simple Click", false);
    file.WriteBool("Divers", "MAJ Icônes", true);
    file.WriteBool("Dossiers", "Affichage", true);
    file.WriteInteger("Dossiers", "Nombre", 3);
    const char* paths[] = {"C:\\Windows", "C:\\Temp", "D:\\"};
    for (int n = 0; n < 3; ++n) {
        file.WriteString("Dossiers", "Rep" + std::to_string(n), paths[n]);
        file.WriteString("Dossiers", "Rac" + std::to_string(n), "Nom " + std::to_string(n));
    }
    file.WriteBool("Eteindre auto", "Activer", false);

    EXPECT_EQ(file.Content(),
              "; Vossik' settings\r\n"
              "\r\n"
              "[Divers]\r\n"
              "Simple Click=0\r\n"
              "Inconnu = garder\r\n"
              "MAJ Icônes=1\r\n"
              "\r\n"
              "[Autre programme]\n"
              "Cle=valeur\n"
              "\n"
              "[Dossiers]\r\n"
              "Affichage = 1\r\n"
              "Nombre=3\r\n"
              "Rep0=C:\\Windows\r\n"
              "Rac0=Nom 0\r\n"
              "; a note between entries\r\n"
              "Rep1=C:\\Temp\r\n"
              "Rep2=D:\\\r\n"
              "Rep3=E:\\old\r\n"
              "Rep4=F:\\old\r\n"
              "Rac1=Nom 1\r\n"
              "Rac2=Nom 2\r\n"
              "\r\n"
              "; trailing comment\r\n"
              "[Fin]\r\n"
              "X=1\r\n"
              "[Eteindre auto]\r\n"
              "Activer=0\r\n");
}

TEST(ProfileWrite, ManyKeysReadBackAfterARoundTripAndRewriteInPlace) {
    ProfileFile file("[Divers]\r\nGarder CD=1\r\n");
    const int count = 3000;
    auto entry = [](int n, const char* tag) { return std::string(tag) + std::to_string(n); };
    for (int pass = 0; pass < 2; ++pass) {
        file.WriteInteger("Lancement Rapide", "Nombre", count);
        for (int n = 0; n < count; ++n) {
            file.WriteString("Lancement Rapide", entry(n, "Rep"), entry(n + pass, "C:\\p\\f"));
            file.WriteString("Lancement Rapide", entry(n, "Rac"), entry(n, "Nom "));
            file.WriteString("Lancement Rapide", entry(n, "Opt"), entry(n, "¶/x "));
        }
    }
    std::string content = file.Content();
    ProfileFile reread(content);

    EXPECT_EQ(reread.ReadInteger("Lancement Rapide", "Nombre", 0), count);
    for (int n = 0; n < count; ++n) {
        ASSERT_EQ(reread.ReadString("lancement rapide", entry(n, "REP"), ""),
                  entry(n + 1, "C:\\p\\f"));
        ASSERT_EQ(reread.ReadString("Lancement Rapide", entry(n, "Rac"), ""), entry(n, "Nom "));
        ASSERT_EQ(reread.ReadString("Lancement Rapide", entry(n, "Opt"), ""), entry(n, "\xB6/x "));
    }
    EXPECT_TRUE(reread.ReadBool("Divers", "Garder CD", false));
    // The second pass rewrote every line in place: one header, one Nombre, 3 lines an entry.
    std::size_t lines = 0;
    for (char c : content) lines += c == '\n';
    EXPECT_EQ(lines, 2u + 2u + 3u * count);
    EXPECT_EQ(ProfileFile(content).Content(), content);
}
