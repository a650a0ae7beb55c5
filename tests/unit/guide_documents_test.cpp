#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "ShippedFiles.h"
#include "startup/LangFile.h"
#include "startup/LangTables.h"

namespace {

struct RtfReading {
    std::string Text;      // Windows-1252 bytes; one "\n" per paragraph
    bool Balanced = false; // every group closed, none closed twice, nothing after the last
    int BadEscapes = 0;    // \' not followed by two hex digits naming a Windows-1252 character
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The text as a rich-text reader sees it: control words dropped, \par a line break, \'xx its
// byte, and the groups without body text (font and colour tables, \* groups, list-number
// fallbacks) left out. Escaped braces count as text, not as groups.
RtfReading ReadRtf(std::string_view rtf)
{
    RtfReading r;
    int depth = 0;
    int skipFrom = 0; // depth of the group being left out, 0 when none
    bool closed = false;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (closed) {
            if (c != '\r' && c != '\n') return r;
            continue;
        }
        if (c == '{') {
            ++depth;
            const std::string_view rest = rtf.substr(i + 1);
            if (skipFrom == 0 && (rest.starts_with("\\*") || rest.starts_with("\\fonttbl") ||
                                  rest.starts_with("\\colortbl") || rest.starts_with("\\pntext")))
                skipFrom = depth;
            continue;
        }
        if (c == '}') {
            if (depth == 0) return r;
            if (skipFrom == depth) skipFrom = 0;
            closed = --depth == 0;
            continue;
        }
        if (c == '\r' || c == '\n') continue;
        const bool keep = skipFrom == 0;
        if (c != '\\') {
            if (keep) r.Text += c;
            continue;
        }
        if (i + 1 >= rtf.size()) return r;
        const char next = rtf[i + 1];
        if (next == '\'') {
            const int hi = i + 2 < rtf.size() ? HexDigit(rtf[i + 2]) : -1;
            const int lo = i + 3 < rtf.size() ? HexDigit(rtf[i + 3]) : -1;
            const int byte = hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
            // Bytes Windows-1252 leaves undefined, and control codes, are no characters.
            if (byte < 0x20 || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
                ++r.BadEscapes;
            else if (keep)
                r.Text += static_cast<char>(byte);
            i += 3;
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(next))) { // control symbol: \\ \{ \} \~ ...
            if (keep && (next == '\\' || next == '{' || next == '}')) r.Text += next;
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
        const std::string_view word = rtf.substr(i + 1, end - i - 1);
        if (end < rtf.size() && rtf[end] == '-') ++end;
        while (end < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[end]))) ++end;
        if (end < rtf.size() && rtf[end] == ' ') ++end; // the delimiter belongs to the word
        if (keep && word == "par") r.Text += '\n';
        if (keep && word == "tab") r.Text += '\t';
        i = end - 1;
    }
    r.Balanced = closed;
    return r;
}

struct Guide {
    const char* File;
    const wchar_t* LangCode;
    std::vector<std::string> Headings; // in document order, Windows-1252
};

const std::vector<Guide>& Guides()
{
    static const std::vector<Guide> guides{
        {"VistoraENG.Rtf",
         L"ENG",
         {"What Vistora is for", "The main window", "The command bar", "Drives, folders and presentations",
          "The status line", "Giving a show, step by step", "The show bar", "The bar hides itself", "The pen",
          "Speaker notes", "Special programs", "The video player", "The flash player",
          "The language file Vistora.Txt", "The four options", "Changing the texts", "Files Vistora writes",
          "When something goes wrong"}},
        {"VistoraOWN.Rtf",
         L"OWN",
         {"Che cos\x92\xe8 Vistora", "La finestra principale", "La barra dei comandi",
          "Unit\xe0, cartelle e presentazioni", "La riga di stato", "Una proiezione, passo per passo",
          "La barra della proiezione", "La barra si nasconde da sola", "La penna", "Le note del relatore",
          "I programmi speciali", "Il lettore video", "Il lettore Flash", "Il file delle lingue Vistora.Txt",
          "Le quattro opzioni", "Modificare i testi", "I file scritti da Vistora", "Se qualcosa non funziona"}},
    };
    return guides;
}

} // namespace

TEST(GuideDocuments, AreWholeRichTextInSevenBitCharacters)
{
    for (const Guide& guide : Guides()) {
        SCOPED_TRACE(guide.File);
        const std::string bytes = ReadShippedFile(guide.File);
        ASSERT_GT(bytes.size(), 1000u);
        EXPECT_TRUE(bytes.starts_with("{\\rtf1\\ansi\\ansicpg1252"));
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            ASSERT_TRUE(b == '\r' || b == '\n' || (b >= 0x20 && b < 0x7F)) << "byte " << int(b) << " at " << i;
        }
        const RtfReading reading = ReadRtf(bytes);
        EXPECT_TRUE(reading.Balanced);
        EXPECT_EQ(reading.BadEscapes, 0);
    }
}

TEST(GuideDocuments, EveryTopicHasItsHeadingInOrder)
{
    for (const Guide& guide : Guides()) {
        SCOPED_TRACE(guide.File);
        const std::string text = ReadRtf(ReadShippedFile(guide.File)).Text;
        std::size_t from = 0;
        for (const std::string& heading : guide.Headings) {
            // A heading is a paragraph of its own.
            const std::size_t at = text.find("\n" + heading + "\n", from);
            ASSERT_NE(at, std::string::npos) << "heading \"" << heading << "\"";
            from = at + heading.size();
        }
        // The last topic has body text after its heading: the file did not stop there.
        EXPECT_GT(text.size() - from, 200u);
    }
}

TEST(GuideDocuments, NameTheButtonsByTheCaptionsOfTheirLanguage)
{
    const LanguageFile file = ReadConfigText(ReadShippedFile("Vistora.Txt"), WidenLatin1, L"C:\\Vistora");
    TextTable captions, texts;
    // Captions of the main window, show bar, pen, notes window, picker and video player.
    constexpr int named[] = {1, 3, 4, 5, 6, 7, 8, 10, 11, 12, 14, 15, 17, 18, 20, 42, 43, 44, 45, 46, 47, 48, 49};
    for (const Guide& guide : Guides()) {
        SCOPED_TRACE(guide.File);
        const std::string text = ReadRtf(ReadShippedFile(guide.File)).Text;
        ApplyLanguageTables(file.LangLine, guide.LangCode, captions, texts);
        for (const int i : named) {
            std::string caption;
            for (const wchar_t ch : captions[i]) caption += static_cast<char>(ch);
            ASSERT_FALSE(caption.empty()) << "text " << i;
            EXPECT_NE(text.find(caption), std::string::npos) << "caption \"" << caption << "\" of text " << i;
        }
    }
}
