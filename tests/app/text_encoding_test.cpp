#include "app/text_encoding.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace quillbat {
namespace {

TEST(Utf8Validity, AcceptsWellFormedTextAndRefusesMalformedText) {
    for (const std::string& text : std::initializer_list<std::string>{
             "", "plain ASCII", "Espa\xC3\xB1ola", "\xE2\x82\xAC 5", "\xF0\x9F\x98\x80",
             "\xF4\x8F\xBF\xBF", std::string("nul\0ok", 6)}) {
        EXPECT_TRUE(isValidUtf8(text)) << text;
    }
    for (const std::string& text : std::initializer_list<std::string>{
             "Espa\xF1ola",           // Windows-1252 n with tilde
             "\x93quoted\x94",        // Windows-1252 curly quotes
             "\xC3",                  // sequence cut off at the end
             "\xE2\x82",              // three-byte sequence cut off
             "\xC0\xAF",              // overlong slash
             "\xE0\x80\xAF",          // overlong in three bytes
             "\xED\xA0\x80",          // surrogate U+D800
             "\xF4\x90\x80\x80",      // above U+10FFFF
             "\xF8\x88\x80\x80\x80",  // five-byte form
             "\x80",                  // lone continuation byte
             "\xC3(",                 // lead byte followed by ASCII
         }) {
        EXPECT_FALSE(isValidUtf8(text)) << text;
    }
}

TEST(Windows1252, DecodesEveryRangeOfBytes) {
    struct Case {
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"abc", "abc"},
        {"\x80", "\xE2\x82\xAC"},  // euro sign
        {"\x81", "\xC2\x81"},      // undefined: keeps its number
        {"\x8D\x8F\x90\x9D", "\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"\x8A", "\xC5\xA0"},  // S with caron
        {"\x93Hi\x94", "\xE2\x80\x9CHi\xE2\x80\x9D"},
        {"\x96", "\xE2\x80\x93"},  // en dash
        {"\x9F", "\xC5\xB8"},      // Y with diaeresis
        {"\xA0", "\xC2\xA0"},      // first Latin-1 byte
        {"Espa\xF1ola", "Espa\xC3\xB1ola"},
        {"\xFF", "\xC3\xBF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windows1252ToUtf8(c.bytes), c.utf8) << c.bytes;
    }
}

TEST(DisplayText, KeepsUtf8AndDecodesTheRest) {
    EXPECT_EQ(displayText("Espa\xC3\xB1ola"), "Espa\xC3\xB1ola");
    EXPECT_EQ(displayText("Espa\xF1ola"), "Espa\xC3\xB1ola");
    EXPECT_TRUE(isValidUtf8(displayText("\x81\xC3\x28\xFF")));
}

TEST(Windows1252Encoding, GivesBackEveryByteItDecoded) {
    std::string allBytes;
    for (int byte = 1; byte < 256; ++byte) {
        allBytes += static_cast<char>(byte);
    }
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(allBytes)), allBytes);
}

TEST(Windows1252Encoding, EncodesTheCharactersItHasAndRefusesTheRest) {
    EXPECT_EQ(utf8ToWindows1252("Espa\xC3\xB1ola"), "Espa\xF1ola");
    EXPECT_EQ(utf8ToWindows1252("\xE2\x82\xAC 5 \xE2\x80\x9Cok\xE2\x80\x9D"), "\x80 5 \x93ok\x94");
    EXPECT_EQ(utf8ToWindows1252(""), "");
    EXPECT_EQ(utf8ToWindows1252("\xE2\x86\x92 arrow"), std::nullopt);  // U+2192
    EXPECT_EQ(utf8ToWindows1252("\xC2\x80"), std::nullopt);            // U+0080
    EXPECT_EQ(utf8ToWindows1252("\xF0\x9F\x98\x80"), std::nullopt);    // emoji
    EXPECT_EQ(utf8ToWindows1252("Espa\xF1ola"), std::nullopt);         // not UTF-8
}

}  // namespace
}  // namespace quillbat
