#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

#include "platform/GdiObjects.h"
#include "settings/RegistryLayout.h"
#include "win/app/FormFixture.h"

namespace brimdock::testing {
namespace {

using ::testing::ElementsAre;

constexpr COLORREF kTopLeft = RGB(255, 0, 0);
constexpr COLORREF kTopRight = RGB(0, 255, 0);
constexpr COLORREF kBottomLeft = RGB(0, 0, 255);
constexpr COLORREF kBottomRight = RGB(255, 255, 0);
constexpr COLORREF kInside = RGB(128, 128, 128);

// A 40 by 40 bitmap file whose four corner pixels have colours of their own.
void WriteCornerBitmap(const std::string& path) {
  constexpr int kSide = 40;
  constexpr int kRow = kSide * 3;  // 24-bit rows of 120 bytes need no padding
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = kSide;
  info.biHeight = kSide;  // bottom-up
  info.biPlanes = 1;
  info.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + kRow * kSide;
  std::string pixels(kRow * kSide, '\0');
  const auto put = [&pixels](int x, int y, COLORREF color) {
    const size_t at = static_cast<size_t>((kSide - 1 - y) * kRow + x * 3);
    pixels[at] = static_cast<char>(GetBValue(color));
    pixels[at + 1] = static_cast<char>(GetGValue(color));
    pixels[at + 2] = static_cast<char>(GetRValue(color));
  };
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) put(x, y, kInside);
  }
  put(0, 0, kTopLeft);
  put(kSide - 1, 0, kTopRight);
  put(0, kSide - 1, kBottomLeft);
  put(kSide - 1, kSide - 1, kBottomRight);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out << pixels;
}

class AppearancePageTest : public FormFixture {
 protected:
  AppearancePageTest() {
    char temp[MAX_PATH]{};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "brimdock-appearance-" + std::to_string(GetCurrentProcessId()) +
              "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    std::filesystem::create_directories(folder_);
    picture_ = folder_ + "corners.bmp";
    WriteCornerBitmap(picture_);
  }
  ~AppearancePageTest() override {
    form.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  void Store(const std::string& name, const std::string& text) {
    registry.Put(RootKey::CurrentUser, Section(), name, {ValueType::String, text});
  }
  std::string Stored(const std::string& name) {
    const auto value = registry.Get(RootKey::CurrentUser, Section(), name);
    return value ? value->data : "<missing>";
  }
  static std::string Section() { return std::string(kSettingsKey) + "\\Appearance"; }
  TFormConfig& OpenWithPicture(const std::string& path, bool border) {
    Store("BackBMPName", path);
    Store("NoneBckgrnd", "0");
    Store("3DBorder", border ? "1" : "0");
    return Open();
  }
  COLORREF Pixel(int x, int y) { return GetPixel(form->Appearance.Image1.Canvas(), x, y); }
  void Apply() { form->SpeedButApplyClick(&form->SpeedButApply); }

  std::string folder_;
  std::string picture_;
};

TEST_F(AppearancePageTest, APictureIsTiledFromTheTopLeftAndCutAtTheEdges) {
  TFormConfig& f = OpenWithPicture(picture_, false);
  ASSERT_EQ(f.Appearance.Image1.Width(), 186);
  ASSERT_EQ(f.Appearance.Image1.Height(), 56);
  EXPECT_FALSE(f.State.Settings.NoneBckgrnd);
  // Five columns at 0, 40, 80, 120 and 160, the last cut after 26 pixels; two rows, the second
  // cut after 16.
  for (int x : {0, 40, 80, 120, 160}) {
    EXPECT_EQ(Pixel(x, 0), kTopLeft) << x;
    EXPECT_EQ(Pixel(x, 40), kTopLeft) << x;
    if (x + 39 < 186) {
      EXPECT_EQ(Pixel(x + 39, 0), kTopRight) << x;
      EXPECT_EQ(Pixel(x + 39, 39), kBottomRight) << x;
    }
    EXPECT_EQ(Pixel(x, 39), kBottomLeft) << x;
  }
  EXPECT_EQ(Pixel(185, 0), kInside);
  EXPECT_EQ(Pixel(185, 55), kInside);
  EXPECT_EQ(Pixel(0, 55), kInside);

  // The window shows the same picture.
  f.Show();
  f.Notebook1.SetActivePage("Appearance");
  RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  WindowDC shown(f.Appearance.Image1.Handle());
  // Points the font buttons do not cover.
  EXPECT_EQ(GetPixel(shown.Get(), 0, 0), kTopLeft);
  EXPECT_EQ(GetPixel(shown.Get(), 159, 0), kTopRight);
  EXPECT_EQ(GetPixel(shown.Get(), 160, 0), kTopLeft);
  EXPECT_EQ(GetPixel(shown.Get(), 0, 39), kBottomLeft);
  EXPECT_EQ(GetPixel(shown.Get(), 0, 40), kTopLeft);
}

TEST_F(AppearancePageTest, TheFrameUsesTheSystemColoursAndNoneShowsThePlainColour) {
  TFormConfig& f = OpenWithPicture(picture_, true);
  EXPECT_EQ(Pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(Pixel(185, 55), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(Pixel(40, 0), GetSysColor(COLOR_BTNHIGHLIGHT)) << "the frame lies over the tiles";
  EXPECT_EQ(Pixel(40, 40), kTopLeft);

  f.State.Settings.BackgroundColor = 0x00336699;
  f.Appearance.CBNoneBckgrnd.SetChecked(true);
  for (const auto& [x, y] : {std::pair{0, 0}, {185, 55}, {93, 28}}) {
    EXPECT_EQ(Pixel(x, y), RGB(0x99, 0x66, 0x33)) << x << "," << y;
  }
  EXPECT_FALSE(f.Appearance.SBBackGrnd.Enabled());
  EXPECT_FALSE(f.Appearance.FileLabelBackGrnd.Enabled());
  EXPECT_TRUE(f.Appearance.SBBckgColor.Enabled());
}

TEST_F(AppearancePageTest, AMissingPictureOpensAsNoneAndIsStoredSo) {
  TFormConfig& f = OpenWithPicture(folder_ + "gone.bmp", true);
  EXPECT_TRUE(f.Appearance.CBNoneBckgrnd.Checked());
  EXPECT_FALSE(f.Appearance.SBBackGrnd.Enabled());
  EXPECT_FALSE(f.Appearance.FileLabelBackGrnd.Enabled());
  EXPECT_TRUE(f.Appearance.SBBckgColor.Enabled());
  EXPECT_EQ(f.Appearance.FileLabelBackGrnd.FileName(), folder_ + "gone.bmp");
  Apply();
  EXPECT_EQ(Stored("NoneBckgrnd"), "1");
  EXPECT_EQ(Stored("BackBMPName"), folder_ + "gone.bmp");
}

TEST_F(AppearancePageTest, APictureThatIsNoBitmapTurnsNoneOnAndLeavesThePreview) {
  TFormConfig& f = OpenWithPicture(picture_, false);
  const std::string icon = folder_ + "panel.ico";
  std::ofstream(icon, std::ios::binary) << "not a bitmap";
  dialogs.pictureAnswers = {icon};
  f.Appearance.SBBackGrnd.Click();
  EXPECT_TRUE(f.State.Settings.NoneBckgrnd);
  EXPECT_FALSE(f.Appearance.CBNoneBckgrnd.Checked());
  EXPECT_EQ(Pixel(0, 0), kTopLeft) << "the preview keeps what it showed";
  EXPECT_EQ(f.Appearance.FileLabelBackGrnd.FileName(), icon);
  Apply();
  EXPECT_EQ(Stored("NoneBckgrnd"), "1");
  EXPECT_EQ(Stored("BackBMPName"), icon);
  EXPECT_EQ(Stored("NeedRefresh"), "<missing>") << "NeedRefresh lives in the root key";
  EXPECT_FALSE(f.State.RefreshFlag);
}

TEST_F(AppearancePageTest, OnlyTheLocationAndAConfirmedColourMarkARefresh) {
  TFormConfig& f = OpenWithPicture(picture_, false);
  dialogs.pictureAnswers = {picture_};
  f.Appearance.SBBackGrnd.Click();
  f.Appearance.CBNoneBckgrnd.SetChecked(true);
  f.Appearance.ChBBorder.SetChecked(true);
  dialogs.fontAnswers = {{{}, FontSpec{}}};
  f.Appearance.SBMenuFont.Click();
  dialogs.colorAnswers = {std::nullopt};
  f.Appearance.SBBckgColor.Click();
  EXPECT_FALSE(f.State.RefreshFlag);

  dialogs.colorAnswers = {0x00112233};
  f.Appearance.SBBckgColor.Click();
  EXPECT_TRUE(f.State.RefreshFlag);
  EXPECT_EQ(f.State.Settings.BackgroundColor, 0x00112233);
  EXPECT_EQ(Pixel(0, 0), RGB(0x33, 0x22, 0x11));
  EXPECT_EQ(dialogs.colorStarts.size(), 2u);
}

TEST_F(AppearancePageTest, TheColourDialogStartsAtTheBackgroundColour) {
  Store("BackgroundColor", std::to_string(clBtnFace));
  TFormConfig& f = Open();
  f.Appearance.SBBckgColor.Click();
  EXPECT_THAT(dialogs.colorStarts, ElementsAre(clBtnFace));
}

TEST_F(AppearancePageTest, FontApplyThenCancelKeepsTheAppliedFontAndTheGroupButtonStaysDown) {
  TFormConfig& f = Open();
  FontSpec applied;
  applied.name = "Arial";
  applied.size = 12;
  applied.bold = true;
  applied.color = 0x000000FF;
  dialogs.fontAnswers = {{{applied}, std::nullopt}};
  f.Appearance.SBGroupFont.Click();
  EXPECT_EQ(f.Appearance.SBGroupFont.OwnFont(), applied);
  EXPECT_TRUE(f.Appearance.SBGroupFont.Down());
  EXPECT_EQ(f.Appearance.SBMenuFont.OwnFont(), FontSpec{});
  Apply();
  const auto stored = [this](const std::string& name) {
    const auto value =
        registry.Get(RootKey::CurrentUser, std::string(kSettingsKey) + "\\Fonts", name);
    return value ? value->data : "<missing>";
  };
  EXPECT_EQ(stored("GroupFontName"), "Arial");
  EXPECT_EQ(stored("GroupFontSize"), "12");
  EXPECT_EQ(stored("GroupFontBold"), "1");
  EXPECT_EQ(stored("GroupFontColor"), "255");
  EXPECT_EQ(stored("MenuFontName"), "MS Sans Serif");

  dialogs.fontAnswers = {{{}, std::nullopt}};
  f.Appearance.SBGroupFont.Click();
  EXPECT_TRUE(f.Appearance.SBGroupFont.Down());
  EXPECT_THAT(dialogs.fontStarts, ElementsAre(FontSpec{}, applied));
}

TEST_F(AppearancePageTest, AStoredFontComesBackUnchanged) {
  const std::pair<const char*, const char*> font[] = {
      {"MenuFontCharset", "204"}, {"MenuFontName", "Courier New"},  {"MenuFontSize", "11"},
      {"MenuFontBold", "1"},      {"MenuFontStrikeOut", "1"},       {"MenuFontUnderline", "0"},
      {"MenuFontItalic", "1"},    {"MenuFontColor", "-2147483640"},
  };
  const std::string fonts = std::string(kSettingsKey) + "\\Fonts";
  for (const auto& [name, text] : font) {
    registry.Put(RootKey::CurrentUser, fonts, name, {ValueType::String, text});
  }
  TFormConfig& f = Open();
  const FontSpec shown = f.Appearance.SBMenuFont.OwnFont();
  EXPECT_EQ(shown, (FontSpec{204, "Courier New", 11, true, true, false, true, clWindowText}));
  dialogs.fontAnswers = {{{}, shown}};
  f.Appearance.SBMenuFont.Click();
  Apply();
  for (const auto& [name, text] : font) {
    const auto value = registry.Get(RootKey::CurrentUser, fonts, name);
    EXPECT_EQ(value ? value->data : "<missing>", text) << name;
  }
}

}  // namespace
}  // namespace brimdock::testing
