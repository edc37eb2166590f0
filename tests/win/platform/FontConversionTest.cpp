#include <gmock/gmock.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/ui/Font.h"

namespace brimdock {
namespace {

using ::testing::IsEmpty;

std::string Describe(const FontSpec& font) {
  return std::to_string(font.charset) + " \"" + font.name + "\" " + std::to_string(font.size) +
         "pt" + (font.bold ? " bold" : "") + (font.strikeOut ? " strike-out" : "") +
         (font.underline ? " underline" : "") + (font.italic ? " italic" : "") + " colour " +
         std::to_string(font.color);
}

// Every font the settings can describe comes back unchanged from its LOGFONT, at the screen
// densities Windows offers.
TEST(FontConversionTest, AFontMadeIntoALogFontReadsBackUnchanged) {
  const int densities[] = {72, 96, 120, 144, 192};
  const char* const names[] = {"", "MS Sans Serif", "Courier New",
                               "A face name of 31 characters ok"};
  const std::uint8_t charsets[] = {ANSI_CHARSET, DEFAULT_CHARSET, SYMBOL_CHARSET, RUSSIAN_CHARSET,
                                   OEM_CHARSET};
  const Color colors[] = {clWindowText, 0x000080, 0xFFFFFF, 0};
  std::vector<std::string> changed;
  for (const int density : densities) {
    for (int size = -100; size <= 400; ++size) {
      for (int styles = 0; styles < 16; ++styles) {
        FontSpec font;
        font.size = size;
        font.bold = (styles & 1) != 0;
        font.strikeOut = (styles & 2) != 0;
        font.underline = (styles & 4) != 0;
        font.italic = (styles & 8) != 0;
        font.name = names[static_cast<unsigned>(size + styles) % std::size(names)];
        font.charset = charsets[static_cast<unsigned>(size) % std::size(charsets)];
        font.color = colors[static_cast<unsigned>(styles) % std::size(colors)];
        const FontSpec back = FromLogFont(ToLogFont(font, density), font.color, density);
        if (back != font) {
          changed.push_back(Describe(font) + " at " + std::to_string(density) + " dpi became " +
                            Describe(back));
        }
      }
    }
  }
  EXPECT_THAT(changed, IsEmpty());
}

TEST(FontConversionTest, TheLogFontHoldsTheCharacterHeightWeightAndCutName) {
  struct Case {
    int size;
    int density;
    LONG height;
  };
  const Case heights[] = {{8, 96, -11},  {10, 96, -13}, {12, 96, -16}, {72, 96, -96}, {8, 120, -13},
                          {8, 144, -16}, {6, 144, -12}, {0, 96, 0},    {-12, 96, 16}};
  for (const Case& c : heights) {
    FontSpec font;
    font.size = c.size;
    EXPECT_EQ(ToLogFont(font, c.density).lfHeight, c.height)
        << c.size << " pt at " << c.density << " dpi";
  }

  FontSpec font;
  font.name = std::string(40, 'n');
  font.bold = true;
  font.italic = true;
  font.charset = SYMBOL_CHARSET;
  const LOGFONTA logFont = ToLogFont(font, 96);
  EXPECT_EQ(logFont.lfWeight, FW_BOLD);
  EXPECT_EQ(logFont.lfItalic, TRUE);
  EXPECT_EQ(logFont.lfUnderline, FALSE);
  EXPECT_EQ(logFont.lfCharSet, SYMBOL_CHARSET);
  EXPECT_EQ(std::string(logFont.lfFaceName), std::string(LF_FACESIZE - 1, 'n'));
  EXPECT_EQ(FromLogFont(logFont, 0, 96).name, std::string(LF_FACESIZE - 1, 'n'));
}

// What the font dialog and other programs put in a LOGFONT: any weight, a cell height, any
// non-zero flag, a face name filling its field.
TEST(FontConversionTest, ALogFontOfAnyWeightAndHeightReadsAsTheNearestFont) {
  struct Case {
    LONG weight;
    bool bold;
  };
  const Case weights[] = {{FW_DONTCARE, false}, {FW_THIN, false},     {FW_NORMAL, false},
                          {FW_MEDIUM, false},   {550, false},         {FW_SEMIBOLD, true},
                          {FW_BOLD, true},      {FW_EXTRABOLD, true}, {FW_HEAVY, true}};
  for (const Case& c : weights) {
    LOGFONTA logFont{};
    logFont.lfWeight = c.weight;
    EXPECT_EQ(FromLogFont(logFont, 0, 96).bold, c.bold) << "weight " << c.weight;
  }

  LOGFONTA logFont{};
  logFont.lfHeight = 16;  // a cell height
  logFont.lfItalic = 0xFF;
  logFont.lfUnderline = 2;
  logFont.lfStrikeOut = 1;
  std::memset(logFont.lfFaceName, 'f', LF_FACESIZE);  // no terminating NUL
  const FontSpec font = FromLogFont(logFont, 0x123456, 96);
  EXPECT_EQ(font.size, -12);
  EXPECT_TRUE(font.italic && font.underline && font.strikeOut);
  EXPECT_EQ(font.name, std::string(LF_FACESIZE, 'f'));
  EXPECT_EQ(font.color, 0x123456);
}

// The window's fonts are made from the same conversion, at the layout's 96 pixels per inch.
TEST(FontConversionTest, TheGdiFontIsTheLogFontAtTheLayoutDensity) {
  FontSpec description;
  description.name = "Arial";
  description.size = 14;
  description.bold = true;
  description.underline = true;
  Font font(description);
  LOGFONTA made{};
  ASSERT_EQ(GetObjectA(font.Handle(), sizeof made, &made), static_cast<int>(sizeof made));
  const LOGFONTA expected = ToLogFont(description, kLayoutPixelsPerInch);
  EXPECT_EQ(made.lfHeight, expected.lfHeight);
  EXPECT_EQ(made.lfHeight, -19);
  EXPECT_EQ(made.lfWeight, expected.lfWeight);
  EXPECT_EQ(made.lfUnderline, expected.lfUnderline);
  EXPECT_STREQ(made.lfFaceName, "Arial");
}

}  // namespace
}  // namespace brimdock
