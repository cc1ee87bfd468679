#include <windows.h>

#include <string>

#include "profile_cases.h"

namespace {

// The Windows-1252 letters that have a partner in the other case: capital, small.
const unsigned char kLetterPairs[][2] = {
    {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}, {0xC0, 0xE0}, {0xC1, 0xE1},
    {0xC2, 0xE2}, {0xC3, 0xE3}, {0xC4, 0xE4}, {0xC5, 0xE5}, {0xC6, 0xE6}, {0xC7, 0xE7},
    {0xC8, 0xE8}, {0xC9, 0xE9}, {0xCA, 0xEA}, {0xCB, 0xEB}, {0xCC, 0xEC}, {0xCD, 0xED},
    {0xCE, 0xEE}, {0xCF, 0xEF}, {0xD0, 0xF0}, {0xD1, 0xF1}, {0xD2, 0xF2}, {0xD3, 0xF3},
    {0xD4, 0xF4}, {0xD5, 0xF5}, {0xD6, 0xF6}, {0xD8, 0xF8}, {0xD9, 0xF9}, {0xDA, 0xFA},
    {0xDB, 0xFB}, {0xDC, 0xFC}, {0xDD, 0xFD}, {0xDE, 0xFE}};

std::string Char(unsigned char c) {
    return std::string(1, static_cast<char>(c));
}

// One section "[S<capital>]" a letter, read back through "s<small>"; the same for keys.
ProfileCase LetterCase() {
    ProfileCase c{"letters", "", {}};
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        c.content += std::string("[S") + letter + "]\r\nK" + letter + "=" + letter + "\r\n";
        char small = static_cast<char>(letter + 32);
        c.queries.push_back({std::string("s") + small, std::string("k") + small});
    }
    for (const auto& pair : kLetterPairs) {
        std::string capital = Char(pair[0]);
        std::string small = Char(pair[1]);
        c.content += "[S" + capital + "]\r\nK" + capital + "=" + capital + "\r\n";
        c.queries.push_back({"s" + small, "k" + small});
    }
    // Not letter pairs: × and ÷, ß and "SS", µ and the Greek capital it has no byte for.
    c.content += "[Signes]\r\nK\xD7=times\r\nK\xDF=sharp\r\nK\xB5=micro\r\nK\x83=florin\r\n";
    for (const char* key : {"K\xF7", "K\xD7", "KSS", "K\xDF", "K\xB5", "K\x83"}) {
        c.queries.push_back({"SIGNES", key});
    }
    return c;
}

ProfileCase IntegerCase() {
    const char* texts[] = {"42",
                           "-17",
                           "007",
                           "0x1f",
                           "0X1F",
                           "$fF",
                           "$7FFFFFFF",
                           "0xFFFFFFFF",
                           "2147483647",
                           "-2147483648",
                           "2147483648",
                           "-2147483649",
                           "0x100000000",
                           "4294967296",
                           "'12'",
                           "  12  ",
                           "-0",
                           "oui",
                           "",
                           "12abc",
                           "+5",
                           "1 2",
                           "0x",
                           "$",
                           "-",
                           "-0x10",
                           "-$10",
                           "0xG",
                           "1e3",
                           "12.0",
                           "' 7'",
                           "0b101",
                           "0o17",
                           "x1F",
                           "2",
                           "0x1",
                           "0"};
    ProfileCase c{"integers", "[Nombres]\r\n", {}};
    int n = 0;
    for (const char* text : texts) {
        std::string key = std::string("N") + std::to_string(n++);
        c.content += key + "=" + text + "\r\n";
        c.queries.push_back({"Nombres", key});
    }
    c.queries.push_back({"Nombres", "Absent"});
    return c;
}

ProfileCase LongValueCase() {
    ProfileCase c{"long_values", "[Long]\r\n", {}};
    for (std::size_t length : {2046u, 2047u, 2048u, 2049u, 3000u, 5000u}) {
        std::string number = std::to_string(length);
        std::string plain = "Plain" + number;
        std::string quoted = "Quoted" + number;
        c.content += plain + "=" + std::string(length - 1, 'a') + "z\r\n";
        c.content += quoted + "=\"" + std::string(length - 1, 'q') + "z\"\r\n";
        c.queries.push_back({"Long", plain});
        c.queries.push_back({"Long", quoted});
    }
    c.content += "Bracketed=  '" + std::string(2045, 'b') + "z'  \r\n";
    c.queries.push_back({"Long", "Bracketed"});
    return c;
}

// The settings as editors save them: accented names and values, characters Windows-1252
// lacks, a value longer than the readers take.
void AddEncodedCases(std::vector<ProfileCase>& cases) {
    const std::wstring text =
        L"; réglages\r\n[Arrêter]\r\nType d'arrêt=3\r\n[Lancement Rapide]\r\n"
        L"Rep0=C:\\Données\\été.txt\r\nOpt0=¶/x €\r\nRac1=文件\r\nLong=" +
        std::wstring(2500, L'x') + L"\r\n";
    for (FileEncoding encoding : {FileEncoding::Utf8, FileEncoding::Utf8Marked,
                                  FileEncoding::Utf16Le, FileEncoding::Utf16Be})
        cases.push_back({EncodingName(encoding),
                         Encoded(text, encoding),
                         {{"Arrêter", "Type d'arrêt"},
                          {"Lancement Rapide", "Rep0"},
                          {"Lancement Rapide", "Opt0"},
                          {"Lancement Rapide", "Rac1"},
                          {"Lancement Rapide", "Long"}}});
}

}  // namespace

const char* EncodingName(FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::Utf8:
            return "utf8_no_mark";
        case FileEncoding::Utf8Marked:
            return "utf8_mark";
        case FileEncoding::Utf16Le:
            return "utf16le";
        case FileEncoding::Utf16Be:
            return "utf16be";
    }
    return "";
}

std::string Encoded(const std::wstring& text, FileEncoding encoding) {
    if (encoding == FileEncoding::Utf8 || encoding == FileEncoding::Utf8Marked) {
        int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
        std::string utf8(size, '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                            size, nullptr, nullptr);
        return encoding == FileEncoding::Utf8Marked ? "\xEF\xBB\xBF" + utf8 : utf8;
    }
    const bool big = encoding == FileEncoding::Utf16Be;
    std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t c : text) {
        const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
        bytes += big ? high : low;
        bytes += big ? low : high;
    }
    return bytes;
}

std::wstring FromCp1252(const std::string& text) {
    int size = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::vector<ProfileCase> MakeReadCases() {
    std::vector<ProfileCase> cases;
    cases.push_back({"names_in_other_case",
                     "[DIVERS]\r\nsimple click=0\r\nMAJ ICÔNES=1\r\n"
                     "[lancement rapide]\r\nNOMBRE=2\r\nrep0=C:\\x\r\n"
                     "[ARRÊTER]\r\nTYPE D'ARRÊT=3\r\n[éteindre AUTO]\r\nPÉRIODICITÉ=1\r\n"
                     "[lecteurs]\r\nréseaux=0\r\n",
                     {{"Divers", "Simple Click"},
                      {"Divers", "MAJ Icônes"},
                      {"Lancement Rapide", "Nombre"},
                      {"Lancement rapide", "Rep0"},
                      {"Arrêter", "Type d'arrêt"},
                      {"Eteindre auto", "Périodicité"},
                      {"Éteindre auto", "Périodicité"},
                      {"Lecteurs", "Réseaux"},
                      {"Lecteurs", "Reseaux"},
                      {"Divers", "Absent"},
                      {"Absent", "Simple Click"}}});
    cases.push_back(LetterCase());
    cases.push_back({"blanks",
                     "[Blancs]\r\n"
                     "  Spaces  =  a  b  \r\n"
                     "\tTabs\t=\ta\tb\t\r\n"
                     "Empty=   \r\n"
                     "VerticalTab=\x0B x \x0B\r\n"
                     "FormFeed=\x0C x \x0C\r\n"
                     "Substitute=x\x1A\r\n"
                     "NoBreak=\xA0x\xA0\r\n"
                     "DoubleCR=x\r\r\n"
                     "  [ Indented ]  \r\nK=in\r\n",
                     {{"Blancs", "Spaces"},
                      {"Blancs", "Tabs"},
                      {"Blancs", "Empty"},
                      {"Blancs", "VerticalTab"},
                      {"Blancs", "FormFeed"},
                      {"Blancs", "Substitute"},
                      {"Blancs", "NoBreak"},
                      {"Blancs", "DoubleCR"},
                      {" Indented ", "K"},
                      {"Indented", "K"}}});
    cases.push_back({"quotes",
                     "[Q]\r\nSingle='abc'\r\nDouble=\"abc\"\r\nMixed='abc\"\r\nMixedBack=\"abc'\r\n"
                     "Padded=  ' padded '  \r\nEmpty=''\r\nEmptyDouble=\"\"\r\nLone='\r\n"
                     "LoneDouble=\"\r\nTwice=''x''\r\nInside='a'b'\r\nOpening='abc\r\n"
                     "Closing=abc'\r\nMiddle=a'b'c\r\n",
                     {{"Q", "Single"},
                      {"Q", "Double"},
                      {"Q", "Mixed"},
                      {"Q", "MixedBack"},
                      {"Q", "Padded"},
                      {"Q", "Empty"},
                      {"Q", "EmptyDouble"},
                      {"Q", "Lone"},
                      {"Q", "LoneDouble"},
                      {"Q", "Twice"},
                      {"Q", "Inside"},
                      {"Q", "Opening"},
                      {"Q", "Closing"},
                      {"Q", "Middle"}}});
    cases.push_back(IntegerCase());
    cases.push_back(LongValueCase());
    cases.push_back({"duplicates",
                     "[Dossiers]\r\nNombre=1\r\nNOMBRE=2\r\nRep0=first\r\n"
                     "[DOSSIERS]\r\nRep0=second\r\nRep1=only in the repeat\r\n"
                     "[Autre]\r\nK=v\r\n[dossiers]\r\nRac0=third\r\n",
                     {{"Dossiers", "Nombre"},
                      {"Dossiers", "Rep0"},
                      {"Dossiers", "Rep1"},
                      {"Dossiers", "Rac0"},
                      {"Autre", "K"}}});
    cases.push_back({"comments",
                     "; Vossik' settings\r\n[Divers]\r\n;Simple Click=0\r\n; Rep0=old\r\n"
                     "Simple Click=1\r\n#Hash=x\r\n  ; Indented=y\r\n",
                     {{"Divers", "Simple Click"},
                      {"Divers", ";Simple Click"},
                      {"Divers", "; Rep0"},
                      {"Divers", "Rep0"},
                      {"Divers", "#Hash"},
                      {"Divers", "; Indented"}}});
    cases.push_back(
        {"no_final_newline", "[Divers]\r\nA=1\r\nLast=end", {{"Divers", "A"}, {"Divers", "Last"}}});
    cases.push_back({"bare_lf",
                     "[Divers]\nA=1\nB = two \n[Lecteurs]\nFixes=0\n",
                     {{"Divers", "A"}, {"Divers", "B"}, {"Lecteurs", "Fixes"}}});
    cases.push_back(
        {"headers",
         "[Closed] after\r\nA=1\r\n[a]b]\r\nB=2\r\n[Open\r\nC=3\r\n[]\r\nD=4\r\n"
         "[Eq=ual]\r\nE=5\r\n",
         {{"Closed", "A"}, {"a]b", "B"}, {"a", "B"}, {"a]b", "C"}, {"", "D"}, {"Eq=ual", "E"}}});
    cases.push_back(
        {"odd_lines",
         "Orphan=before any section\r\n[S]\r\n=no name\r\nNoEquals\r\nKey==x=y\r\n"
         "Spaced = a = b\r\n",
         {{"", "Orphan"}, {"S", "NoEquals"}, {"S", "Key"}, {"S", "Spaced"}, {"S", "Orphan"}}});
    cases.push_back({"utf8_mark", "\xEF\xBB\xBF[Divers]\r\nA=1\r\n", {{"Divers", "A"}}});
    cases.push_back({"dos_end_of_file", "[Divers]\r\nA=1\r\n\x1A", {{"Divers", "A"}}});
    cases.push_back({"empty", "", {{"Divers", "A"}}});
    cases.push_back({"settings",
                     "[Divers]\r\nSimple Click=1\r\nMAJ Icônes=1\r\nTemporisation=3\r\n"
                     "[Lancement Rapide]\r\nAffichage=1\r\nNombre=2\r\nRep0=C:\\notes.txt\r\n"
                     "Rac0=Notes\r\nOpt0=¶\r\nRep1=C:\\Program Files\\x.exe\r\nRac1=\r\n"
                     "Opt1=¶¶ -a \"b c\"\r\n",
                     {{"Divers", "Temporisation"},
                      {"Lancement Rapide", "Opt0"},
                      {"Lancement Rapide", "Rep1"},
                      {"Lancement Rapide", "Rac1"},
                      {"Lancement Rapide", "Opt1"}}});
    AddEncodedCases(cases);
    // Lines ended by CR alone (an old Mac editor), and UTF-16 saved without its mark.
    cases.push_back({"cr_only",
                     "; réglages\r[Divers]\rA=1\rB = two \r[Arrêter]\rType d'arrêt=3",
                     {{"Divers", "A"}, {"Divers", "B"}, {"Arrêter", "Type d'arrêt"}}});
    cases.push_back(
        {"utf16le_no_mark",
         Encoded(L"[Divers]\r\nA=1\r\n[Arrêter]\r\nType d'arrêt=3\r\n", FileEncoding::Utf16Le)
             .substr(2),
         {{"Divers", "A"}, {"Arrêter", "Type d'arrêt"}}});
    return cases;
}
