// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Text.h"

#include "engine/TextFile.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace varnolt {
namespace {

TEST(Text, TrimRemovesControlCharactersAndBlanksOnly) {
    EXPECT_EQ(Trim(" \t\r\n /tmp/Out \x01"), "/tmp/Out");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimLeft("  a b  "), "a b  ");
    EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x"); // a no-break space is above 32: kept
}

TEST(Text, CaseRulesKeepTheirLetterRanges) {
    EXPECT_EQ(LowerAsciiLetters("A.LNK \xC3\x89"), "a.lnk \xC3\x89");           // É untouched
    EXPECT_EQ(UpperAsciiLetters("\xC3\xA9lan ab1"), "\xC3\xA9LAN AB1");         // é untouched
    EXPECT_EQ(LowerAllLetters("MP3 \xC3\x89\xCE\x91"), "mp3 \xC3\xA9\xCE\xB1"); // É→é, Α→α
    EXPECT_EQ(LowerAllLetters("A\xFF"
                              "B"),
              "a\xFF"
              "b"); // invalid byte survives as it is
}

TEST(Text, CharactersAreCodePointsAndInvalidBytesCountOne) {
    EXPECT_EQ(CharacterCount("\xC3\xA9lan"), 4u);
    EXPECT_EQ(FirstCharacters("\xC3\xA9lan", 1), "\xC3\xA9");
    EXPECT_EQ(FirstCharacters("\xFF\xFE"
                              "ab",
                              3),
              "\xFF\xFE"
              "a");
    EXPECT_EQ(FirstCharacters("ab", 5), "ab");
    EXPECT_EQ(FirstCharacters("\xE2\x82", 1), "\xE2"); // truncated sequence: one byte at a time
}

TEST(Text, PathParts) {
    EXPECT_EQ(NameOf("/in/page.htm"), "page.htm");
    EXPECT_EQ(NameOf("/in/Photos/"), "Photos");
    EXPECT_EQ(ExtensionOf("/in/archive.tar.gz"), ".gz");
    EXPECT_EQ(ExtensionOf("/in.d/README"), ""); // never from a folder higher up
    EXPECT_EQ(ExtensionOf("/in/.profile"), ".profile");
    EXPECT_EQ(WithoutExtension("/in/page.htm"), "/in/page");
    EXPECT_EQ(FolderPartOf("/out/Docs/a.txt"), "/out/Docs/");
    EXPECT_EQ(FolderPartOf("relative"), "");
    EXPECT_EQ(WithTrailingSlash("/"), "/");
    EXPECT_EQ(WithTrailingSlash("/out"), "/out/");
    EXPECT_EQ(WithTrailingSlash(""), "/");
    EXPECT_EQ(NameOf("/in/back\\slash.txt"), "back\\slash.txt"); // "\" is an ordinary character
}

TEST(Text, ExtensionListsMatchWholeEntries) {
    EXPECT_TRUE(ExtensionMatches("jpg", "bmp;jpg;png"));
    EXPECT_TRUE(ExtensionMatches("png", "bmp;jpg;png"));
    EXPECT_FALSE(ExtensionMatches("jp", "bmp;jpg"));
    EXPECT_FALSE(ExtensionMatches("jpg", ".jpg;png"));
    EXPECT_FALSE(ExtensionMatches("jpg", " jpg;png"));
    EXPECT_FALSE(ExtensionMatches("", "a;;b"));
}

TEST(Text, PlaceholdersAreFilledInOnePass) {
    EXPECT_EQ(FillPlaceholders("Undo %1 of %2", {"3", "10"}), "Undo 3 of 10");
    EXPECT_EQ(FillPlaceholders("%2 <- %1", {"a", "b"}), "b <- a"); // a translation may turn the order
    EXPECT_EQ(FillPlaceholders("File: %1", {"/in/100%2.txt"}), "File: /in/100%2.txt");
    EXPECT_EQ(FillPlaceholders("%1%", {"5"}), "5%");
    EXPECT_EQ(FillPlaceholders("%3 %0 %", {"x"}), "%3 %0 %");
}

TEST(TextFile, LineEndsAndMarks) {
    EXPECT_EQ(DecodeTextFile("a\r\nb\rc\nd").Lines, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(DecodeTextFile("a\r\n").Lines, (std::vector<std::string>{"a"}));
    EXPECT_EQ(DecodeTextFile("a\r\n\r\n").Lines, (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(DecodeTextFile("a\n\rb\r\r\nc\n").Lines, (std::vector<std::string>{"a", "", "b", "", "c"}));
    EXPECT_TRUE(DecodeTextFile("").Lines.empty());
    EXPECT_TRUE(DecodeTextFile("").Lines.empty());

    const auto utf8 = DecodeTextFile("\xEF\xBB\xBFMove Mode\r\n/in/\xC3\xA9.txt\r\n");
    EXPECT_EQ(utf8.Encoding, TextEncoding::Utf8WithMark);
    EXPECT_EQ(utf8.Lines, (std::vector<std::string>{"Move Mode", "/in/\xC3\xA9.txt"}));

    const std::string le("\xFF\xFE"
                         "a\0\r\0\n\0\xE9\0=\xD8\0\xDE",
                         14); // a, CRLF, é, U+1F600
    const auto utf16 = DecodeTextFile(le);
    EXPECT_EQ(utf16.Encoding, TextEncoding::Utf16LE);
    EXPECT_EQ(utf16.Lines, (std::vector<std::string>{"a", "\xC3\xA9\xF0\x9F\x98\x80"}));
}

TEST(TextFile, EveryEncodingRoundTrips) {
    const std::vector<std::string> lines{"Copy Mode", "/in/\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80.txt", ""};
    for (auto encoding :
         {TextEncoding::Plain, TextEncoding::Utf8WithMark, TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        const auto decoded = DecodeTextFile(EncodeTextFile(lines, encoding));
        EXPECT_EQ(decoded.Lines, lines);
        EXPECT_EQ(decoded.Encoding, encoding);
    }
    EXPECT_EQ(EncodeTextFile({"Move Mode", "/a"}, TextEncoding::Plain), "Move Mode\r\n/a\r\n");
}

// Whatever the pieces, the lines are those of the whole: breaks, marks and UTF-16 units cut in two.
TEST(TextFile, PiecesGiveTheLinesOfTheWhole) {
    const std::string lines = "a\n\rb\r\r\n\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80\r\n\r\nlast";
    std::vector<std::string> texts = {"",
                                      "a",
                                      "\r",
                                      "\xEF\xBB",
                                      "\xFF\xFE",
                                      "a\r\n",
                                      lines,
                                      lines + "\r",
                                      std::string("\xFF\xFE=\xD8", 4),  // a high surrogate at the very end
                                      std::string("\xFE\xFF\0a\0", 5)}; // an odd byte at the end
    for (const auto encoding : {TextEncoding::Utf8WithMark, TextEncoding::Utf16LE, TextEncoding::Utf16BE})
        texts.push_back(EncodeText(lines, encoding));
    for (const std::string& text : texts) {
        const std::vector<std::string> whole = DecodeTextFile(text).Lines;
        for (std::size_t size = 1; size <= text.size() + 1; ++size) {
            std::vector<std::string> got;
            PieceLineReader reader([&](std::string_view line) { got.emplace_back(line); });
            for (std::size_t at = 0; at < text.size(); at += size)
                reader.Feed(std::string_view(text).substr(at, size));
            reader.Finish();
            EXPECT_EQ(got, whole) << "pieces of " << size << " of " << testing::PrintToString(text);
        }
    }
}

TEST(TextFile, PlainKeepsInvalidUtf8ByteForByte) {
    const std::vector<std::string> lines{"/in/caf\xE9.txt"};
    EXPECT_EQ(DecodeTextFile(EncodeTextFile(lines, TextEncoding::Plain)).Lines, lines);
}

} // namespace
} // namespace varnolt
