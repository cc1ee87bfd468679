#include <gtest/gtest.h>

#include <string>

#include "settings/ProfileFile.h"
#include "types/Cp1252.h"

namespace {

// Windows-1252 text as an editor saves it in another encoding.
std::string Encoded(const std::string& text, ProfileEncoding encoding) {
    if (encoding == ProfileEncoding::Cp1252) return text;
    if (encoding == ProfileEncoding::Utf8) return Utf8FromCp1252(text);
    if (encoding == ProfileEncoding::Utf8Marked) return "\xEF\xBB\xBF" + Utf8FromCp1252(text);
    const bool big = encoding == ProfileEncoding::Utf16Be;
    std::string bytes = encoding == ProfileEncoding::Utf16LeUnmarked ? ""
                        : big                                        ? "\xFE\xFF"
                                                                     : "\xFF\xFE";
    for (wchar_t c : Widen(text)) {
        const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
        bytes += big ? high : low;
        bytes += big ? low : high;
    }
    return bytes;
}

}  // namespace

// Whatever the encoding, names and values read as from the Windows-1252 file, and the same
// writes give the same file in the encoding it had, mark included.
TEST(ProfileEncoding, AFileInAnyEncodingReadsAndWritesAsItsWindows1252Form) {
    const std::string plain =
        "; réglages\r\n[Arrêter]\r\nType d'arrêt=3\r\n[Lancement Rapide]\nNombre=1\n"
        "Rep0=C:\\Données\\outil.exe\nOpt0=\xB6/x \"€\"\n";
    for (ProfileEncoding encoding :
         {ProfileEncoding::Utf8, ProfileEncoding::Utf8Marked, ProfileEncoding::Utf16Le,
          ProfileEncoding::Utf16Be, ProfileEncoding::Utf16LeUnmarked}) {
        SCOPED_TRACE(static_cast<int>(encoding));
        ProfileFile expected(plain), file(Encoded(plain, encoding));
        EXPECT_EQ(file.Encoding(), encoding);
        EXPECT_EQ(file.Content(), Encoded(plain, encoding)) << "nothing changes unwritten";
        EXPECT_EQ(file.ReadInteger("ARRÊTER", "type d'arrêt", 2), 3);
        EXPECT_EQ(file.ReadString("Lancement rapide", "Opt0", ""), "\xB6/x \"€\"");

        for (ProfileFile* each : {&expected, &file}) {
            each->WriteString("Lancement Rapide", "Rep0", "C:\\Été");
            each->WriteString("Lancement Rapide", "Rac0", "Œuvre");
            each->WriteInteger("Eteindre auto", "Périodicité", 1);
        }
        EXPECT_EQ(file.Content(), Encoded(expected.Content(), encoding));
        EXPECT_EQ(ProfileFile(file.Content()).ReadString("Lancement Rapide", "Rac0", ""), "Œuvre");
    }
}

// Without a mark, a file is UTF-16 when its zero bytes are all high bytes of units, and UTF-8
// only when it is well-formed UTF-8 and more than ASCII.
TEST(ProfileEncoding, AFileWithoutMarkIsUtf16OrUtf8OnlyWhenItCanBeNothingElse) {
    const std::pair<std::string, ProfileEncoding> wide[] = {
        {std::string("[\0A\0]\0\r\0K\0=\0\xE9\0t\0\xE9\0", 18), ProfileEncoding::Utf16LeUnmarked},
        {std::string("[A]\r\nK=\xE9t\xE9\0\0", 12), ProfileEncoding::Cp1252},
        {std::string("\0[\0A\0]", 6), ProfileEncoding::Cp1252}};
    for (const auto& [bytes, encoding] : wide) EXPECT_EQ(ProfileFile(bytes).Encoding(), encoding);
    EXPECT_EQ(ProfileFile(wide[0].first).ReadString("a", "k", ""), "été");

    const std::pair<const char*, ProfileEncoding> files[] = {
        {"[A]\r\nK=\xC3\xA9t\xC3\xA9", ProfileEncoding::Utf8},
        {"[A]\r\nK=plain", ProfileEncoding::Cp1252},
        {"[A]\r\nK=\xE9t\xE9", ProfileEncoding::Cp1252},
        {"[A]\r\nK=\xC3\xA9\xE9", ProfileEncoding::Cp1252},
        {"[A]\r\nK=\xC0\xAF", ProfileEncoding::Cp1252},          // an overlong '/'
        {"[A]\r\nK=\xED\xA0\x80", ProfileEncoding::Cp1252},      // a surrogate
        {"[A]\r\nK=\xF4\x90\x80\x80", ProfileEncoding::Cp1252},  // past U+10FFFF
    };
    for (const auto& [bytes, encoding] : files) {
        ProfileFile file(bytes);
        EXPECT_EQ(file.Encoding(), encoding) << bytes;
        EXPECT_EQ(file.ReadString("A", "K", ""),
                  encoding == ProfileEncoding::Utf8 ? "été" : std::string(bytes).substr(7));
    }
}

// What Windows-1252 cannot hold is read as nothing, and stays in the file byte for byte: a value
// (or bytes that are no UTF-8 in a marked file), a key or a section name, a character beyond
// 16 bits, UTF-16 that pairs its surrogates wrongly or has an odd last byte.
TEST(ProfileEncoding, TextTheProgramCannotHoldIsNeverReadNorLost) {
    const std::string utf8 =
        "\xEF\xBB\xBF; \xF0\x9F\x93\x81\r\n[Dossiers]\r\nRep0=C:\\\xE6\x96\x87\r\n"
        "Rep1=C:\\\xC3\r\n\xE6\x96\x87=1\r\n[\xE6\x96\x87]\r\nNombre=2\r\n";
    ProfileFile file(utf8);
    EXPECT_EQ(file.ReadString("Dossiers", "Rep0", "-"), std::nullopt);
    EXPECT_EQ(file.ReadString("Dossiers", "Rep1", "-"), std::nullopt);
    EXPECT_EQ(file.ReadInteger("Dossiers", "Rep0", 5), 5);
    EXPECT_EQ(file.KeyNames("Dossiers").size(), 2u);
    EXPECT_EQ(file.ReadInteger("Dossiers", "Nombre", 0), 0) << "not the foreign section's";
    file.WriteInteger("Dossiers", "Nombre", 1);
    file.WriteString("Dossiers", "Rep1", "C:\\");
    EXPECT_EQ(file.Content(),
              "\xEF\xBB\xBF; \xF0\x9F\x93\x81\r\n[Dossiers]\r\nRep0=C:\\\xE6\x96\x87\r\n"
              "Rep1=C:\\\r\n\xE6\x96\x87=1\r\nNombre=1\r\n[\xE6\x96\x87]\r\nNombre=2\r\n");

    // [A] K=<lone low surrogate> L=<U+1F4C1 as a pair> M=x, then an odd byte.
    const char units[] =
        "\xFF\xFE[\0A\0]\0\n\0K\0=\0\x00\xDC\n\0L\0=\0\x3D\xD8\xC1\xDC\n\0M\0=\0x\0\x01";
    const std::string utf16(units, sizeof units - 1);
    ProfileFile wide(utf16);
    EXPECT_EQ(wide.Content(), utf16);
    EXPECT_EQ(wide.ReadString("A", "K", "-"), std::nullopt);
    EXPECT_EQ(wide.ReadString("A", "L", "-"), std::nullopt);
    EXPECT_EQ(wide.ReadString("A", "M", "-"), "x");
    wide.WriteString("A", "M", "\xE9");
    std::string written = utf16;
    written[written.size() - 3] = '\xE9';
    EXPECT_EQ(wide.Content(), written);
}

// UTF-32 (marked or not) and unmarked big-endian UTF-16 hold no text the program reads: they are
// named, and nothing else is, a stray zero byte in 8-bit text included.
TEST(ProfileEncoding, EncodingsTheProgramCannotReadAreNamed) {
    const std::pair<std::string, const char*> files[] = {
        {std::string("\xFF\xFE\0\0[\0\0\0A\0\0\0]\0\0\0", 16), "UTF-32"},
        {std::string("\0\0\xFE\xFF\0\0\0[", 8), "UTF-32"},
        {std::string("[\0\0\0A\0\0\0]\0\0\0\xE9\0\0\0", 16), "UTF-32"},
        {std::string("\0\0\0[\0\0\0A", 8), "UTF-32"},
        {std::string("\0[\0A\0]\0\r\0\n", 10),
         "UTF-16 gros-boutiste sans marque d'ordre des octets"},
        {Encoded("[A]\r\nK=\xE9", ProfileEncoding::Utf16Be), nullptr},
        {Encoded("[A]\r\nK=\xE9", ProfileEncoding::Utf16LeUnmarked), nullptr},
        {std::string("\0[A]\r\nK=v\r\n", 11), nullptr},
        {"[A]\r\nK=v", nullptr},
        {"", nullptr}};
    for (const auto& [bytes, name] : files) {
        const char* named = UnreadableEncoding(bytes);
        EXPECT_EQ(named ? std::string(named) : "", name ? std::string(name) : "")
            << Utf8FromCp1252(bytes);
    }
}
