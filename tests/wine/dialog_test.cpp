// The message dialog as the user meets it: shown by a host program that asks
// its questions the way the updater does, inspected on the screen, and
// answered with real keys and clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "driver.h"

using namespace driver;

namespace {

// Button sets, as bytes: bit 0 Da, bit 1 Nu, bit 2 OK, bit 3 Renunt.
constexpr int kDa = 1, kNu = 2, kOk = 4, kRenunt = 8, kAll = 15;
constexpr int kWidth = 339, kHeight = 171;

struct Call {
  std::string title, text;
  int kind, buttons;
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string ReportPath() { return FreshFolder("dialog") + "\\report.txt"; }

// A run of the host program, whose report grows as its calls go on.
class Host {
 public:
  explicit Host(const std::vector<Call>& calls, bool mainVisible = false)
      : report_(ReportPath()), process_(Process::Start(CommandLine(calls, mainVisible))) {}

  DWORD Id() const { return process_.Id(); }
  long Exit() { return process_.WaitExit(); }
  std::vector<std::string> Report() const {
    std::vector<std::string> lines;
    std::string bytes = ReadFileBytes(report_), line;
    for (char c : bytes) {
      if (c == '\n') {
        lines.push_back(line);
        line.clear();
      } else {
        line += c;
      }
    }
    return lines;
  }
  // The report's lines that start with `prefix`.
  std::vector<std::string> Lines(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : Report())
      if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
    return found;
  }

 private:
  std::string CommandLine(const std::vector<Call>& calls, bool mainVisible) const {
    std::string line = Quoted(BuildPath("tests\\wine\\dialog_host.exe")) + " " + Quoted(report_);
    if (mainVisible) line += " --main-visible";
    for (const Call& call : calls)
      line += " " + Quoted(call.title) + " " + Quoted(call.text) + " " + std::to_string(call.kind) + " " +
              std::to_string(call.buttons);
    return line;
  }

  std::string report_;
  Process process_;
};

// The dialog's windows, found by class in creation order.
struct Dialog {
  HWND form = nullptr;
  HWND label1 = nullptr, eroText = nullptr;
  std::vector<HWND> images;   // Image1 to Image5
  std::vector<HWND> buttons;  // BE1 to BE4

  HWND Button(int k) const { return buttons.at(static_cast<size_t>(k - 1)); }
};

Dialog WaitForDialog(const Host& host) {
  Dialog dialog;
  dialog.form = WaitForWindow("TErori", host.Id());
  if (!dialog.form) {
    ADD_FAILURE() << "the dialog did not appear";
    return dialog;
  }
  std::vector<HWND> labels = ChildWindows(dialog.form, "TLabel");
  dialog.images = ChildWindows(dialog.form, "TImage");
  dialog.buttons = ChildWindows(dialog.form, "Button");
  EXPECT_EQ(labels.size(), 2u);
  EXPECT_EQ(dialog.images.size(), 5u);
  EXPECT_EQ(dialog.buttons.size(), 4u);
  if (labels.size() == 2) {
    dialog.label1 = labels[0];
    dialog.eroText = labels[1];
  }
  if (!BringToFront(dialog.form)) ADD_FAILURE() << "the dialog cannot take the foreground";
  return dialog;
}

// A window's client rectangle relative to the dialog's client area.
RECT InDialog(const Dialog& dialog, HWND window) {
  RECT rect = ScreenRect(window), form = ScreenRect(dialog.form);
  OffsetRect(&rect, -form.left, -form.top);
  return rect;
}

COLORREF Rgb(std::uint32_t bgr) { return static_cast<COLORREF>(bgr); }  // TColor is COLORREF's layout

struct Screen {
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels.at(static_cast<size_t>(y * kWidth + x)); }
};

// The pixels of a 32 x 32, 24-bit bitmap file, top row first.
std::vector<COLORREF> BitmapFilePixels(const std::string& name) {
  std::string bytes = ReadFileBytes(std::string(ZARVO_RESOURCES_DIR) + "\\" + name);
  std::vector<COLORREF> pixels;
  if (bytes.size() < 54 + 32 * 32 * 3) return pixels;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      size_t at = 54 + static_cast<size_t>((31 - y) * 96 + x * 3);
      auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
      pixels.push_back(RGB(byte(2), byte(1), byte(0)));
    }
  return pixels;
}

// Counts the picture's pixels that differ on the screen from the file.
int PictureDifferences(const Screen& screen, const std::string& file) {
  std::vector<COLORREF> expected = BitmapFilePixels(file);
  if (expected.size() != 32 * 32) return -1;
  int differences = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) differences += screen.At(8 + x, 8 + y) != expected[static_cast<size_t>(y * 32 + x)];
  return differences;
}

// Waits for `count` calls to have ended, then for the next showing.
Dialog WaitForNextDialog(const Host& host, size_t count) {
  for (int waited = 0; host.Lines("result").size() < count && waited < 10000; waited += 20) Sleep(20);
  EXPECT_GE(host.Lines("result").size(), count) << "the earlier calls did not end";
  return WaitForDialog(host);
}

// Drags the window by its caption with the mouse, as the user would.
void DragCaption(HWND form, int dx, int dy) {
  RECT frame, client = ScreenRect(form);
  GetWindowRect(form, &frame);
  POINT grip{frame.left + 60, (frame.top + client.top) / 2};
  auto mouse = [](DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    Sleep(30);
  };
  SetCursorPos(grip.x, grip.y);
  Sleep(50);
  mouse(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 10; ++step) {
    SetCursorPos(grip.x + dx * step / 10, grip.y + dy * step / 10);
    mouse(MOUSEEVENTF_MOVE);
  }
  mouse(MOUSEEVENTF_LEFTUP);
  Sleep(100);
}

bool StillShownAfter(const Host& host, DWORD ms) {
  Sleep(ms);
  return WaitForWindow("TErori", host.Id(), 0) != nullptr;
}

struct KindLook {
  int kind;
  const char* caption;
  std::uint32_t from, to;
  const char* picture;
};

const KindLook kAtentie{0, "Atentie !", 0x008AB1B7, 0x00233638, "atentie.bmp"};
const KindLook kEroare{1, "Eroare", 0x00D5D5FF, 0x000000FF, "eroare.bmp"};
const KindLook kInformatie{2, "Informatie", 0x00FADEE1, 0x00BB0000, "informatie.bmp"};
const KindLook kConfirmare{3, "Confirmare", 0x00D3A281, 0x009C5F36, "confirmare.bmp"};

// The window's pixels once painting has settled: two reads in a row alike.
Screen SettledScreen(HWND form) {
  Screen screen{ScreenPixels(form)};
  for (int attempt = 0; attempt < 50; ++attempt) {
    Sleep(20);
    std::vector<COLORREF> again = ScreenPixels(form);
    if (again == screen.pixels) break;
    screen.pixels = std::move(again);
  }
  return screen;
}

// The caption, both bands at both edges, and the picture on the band's left end.
void ExpectLook(const Dialog& dialog, const KindLook& look) {
  EXPECT_EQ(WindowText(dialog.form), look.caption);
  Screen screen = SettledScreen(dialog.form);
  ASSERT_EQ(screen.pixels.size(), static_cast<size_t>(kWidth * kHeight));
  for (int y : {1, 45, 131, 169}) {  // top band clear of picture and title; bottom band clear of buttons
    EXPECT_EQ(screen.At(kWidth - 1, y), Rgb(look.from)) << "right edge at y " << y;
    EXPECT_EQ(screen.At(0, y), Rgb(look.to)) << "left edge at y " << y;
  }
  EXPECT_EQ(screen.At(8, 8), Rgb(look.to)) << "the picture's ground matches the band";
  EXPECT_EQ(PictureDifferences(screen, look.picture), 0) << look.picture;
  // The plain grey middle between the bands.
  EXPECT_EQ(screen.At(2, 52), RGB(239, 239, 239));
  EXPECT_EQ(screen.At(kWidth - 3, 126), RGB(239, 239, 239));
}

}  // namespace

// ---- Layout

TEST(DialogTest, ShowsItsLayoutCentredOnTop) {
  Host host({{"Titlu", "Mesaj", 0, kAll}});
  Dialog dialog = WaitForDialog(host);
  ASSERT_NE(dialog.form, nullptr);
  ASSERT_EQ(dialog.buttons.size(), 4u);

  SIZE client = ClientSize(dialog.form);
  EXPECT_EQ(client.cx, kWidth);
  EXPECT_EQ(client.cy, kHeight);
  RECT frame;
  GetWindowRect(dialog.form, &frame);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  LONG style = GetWindowLongA(dialog.form, GWL_STYLE), exStyle = GetWindowLongA(dialog.form, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);

  const char* captions[] = {"&Da", "&Nu", "&Renunt", "&OK"};
  for (int k = 1; k <= 4; ++k) {
    RECT button = InDialog(dialog, dialog.Button(k));
    EXPECT_EQ(WindowText(dialog.Button(k)), captions[k - 1]);
    EXPECT_EQ(button.top, 138) << "BE" << k;
    EXPECT_EQ(button.right - button.left, 72) << "BE" << k;
    EXPECT_EQ(button.bottom - button.top, 25) << "BE" << k;
  }
  RECT title = InDialog(dialog, dialog.label1), text = InDialog(dialog, dialog.eroText);
  EXPECT_EQ(WindowText(dialog.label1), "Titlu");
  EXPECT_EQ(title.left, 48);
  EXPECT_EQ(title.top, 16);
  EXPECT_EQ(title.bottom - title.top, 16);
  EXPECT_EQ(WindowText(dialog.eroText), "Mesaj");
  EXPECT_EQ(text.left, 8);
  EXPECT_EQ(text.top, 56);
  EXPECT_EQ(text.right - text.left, 321);
  EXPECT_EQ(text.bottom - text.top, 65);
  RECT image1 = InDialog(dialog, dialog.images[0]);
  EXPECT_EQ(image1.left, 8);
  EXPECT_EQ(image1.top, 8);
  EXPECT_TRUE(Visible(dialog.images[0]));
  for (size_t i = 1; i < dialog.images.size(); ++i) EXPECT_FALSE(Visible(dialog.images[i])) << "Image" << i + 1;

  PressKey(VK_ESCAPE);
  EXPECT_EQ(host.Exit(), 2);
}

struct RowCase {
  const char* name;
  int buttons;
  int lefts[4];  // BE1..BE4; 0 for a hidden button
};

class ButtonRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(ButtonRowTest, ShowsTheRequestedButtonsPlacedByRank) {
  const RowCase& c = GetParam();
  Host host({{"Titlu", "Mesaj", 2, c.buttons}});
  Dialog dialog = WaitForDialog(host);
  ASSERT_EQ(dialog.buttons.size(), 4u);
  for (int k = 1; k <= 4; ++k) {
    bool shown = c.lefts[k - 1] != 0;
    EXPECT_EQ(Visible(dialog.Button(k)), shown) << "BE" << k;
    if (shown) {
      EXPECT_EQ(InDialog(dialog, dialog.Button(k)).left, c.lefts[k - 1]) << "BE" << k;
    }
  }
  PressKey(VK_ESCAPE);
  EXPECT_EQ(host.Exit(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, ButtonRowTest,
    testing::Values(RowCase{"OkAlone", kOk, {0, 0, 0, 134}}, RowCase{"RenuntAlone", kRenunt, {0, 0, 134, 0}},
                    RowCase{"OkAndRenunt", kOk | kRenunt, {0, 0, 65, 203}},
                    RowCase{"DaAndNu", kDa | kNu, {65, 203, 0, 0}},
                    RowCase{"DaNuRenunt", kDa | kNu | kRenunt, {30, 133, 236, 0}},
                    RowCase{"DaRenuntOk", kDa | kRenunt | kOk, {30, 0, 133, 236}},
                    RowCase{"All", kAll, {10, 93, 176, 259}}),
    [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

// ---- Kinds

class KindTest : public testing::TestWithParam<KindLook> {};

TEST_P(KindTest, ShowsTheKindsCaptionBandsAndPicture) {
  const KindLook& look = GetParam();
  Host host({{"Titlu", "Mesaj", look.kind, kOk}});
  Dialog dialog = WaitForDialog(host);
  ASSERT_NE(dialog.form, nullptr);
  ExpectLook(dialog, look);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(host.Exit(), 2);
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindTest,
                         testing::Values(kAtentie, kEroare, kInformatie, kConfirmare,
                                         KindLook{4, "Eroare", kEroare.from, kEroare.to, kEroare.picture},
                                         KindLook{200, "Eroare", kEroare.from, kEroare.to, kEroare.picture}),
                         [](const testing::TestParamInfo<KindLook>& info) {
                           return "Kind" + std::to_string(info.param.kind);
                         });

TEST(DialogTest, BeepsForEroareAndEveryOtherValueBeforeShowingOnly) {
  const struct {
    int kind;
    bool beeps;
  } cases[] = {{0, false}, {1, true}, {2, false}, {3, false}, {4, true}, {255, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind));
    Host host({{"Titlu", "Mesaj", c.kind, kOk}});
    Dialog dialog = WaitForDialog(host);
    ASSERT_NE(dialog.form, nullptr);
    const std::vector<std::string> expected =
        c.beeps ? std::vector<std::string>{"beep hidden"} : std::vector<std::string>{};
    EXPECT_EQ(host.Lines("beep"), expected) << "by the time the dialog shows";
    TypeChar('o');
    EXPECT_EQ(host.Exit(), 1);
    EXPECT_EQ(host.Lines("beep"), expected) << "in all";
  }
}

TEST(DialogTest, AnEmptySetReturnsTwoWithoutAWindowAfterSettingEverything) {
  const struct {
    int kind;
    const char* state;
    size_t beeps;
  } cases[] = {
      {1, "result=2|caption=Eroare|title=Titlu|text=Mesaj|bands=d5d5ff,0000ff,d5d5ff,0000ff|picture=Image5|shown=", 1},
      {9, "result=2|caption=Eroare|title=Titlu|text=Mesaj|bands=d5d5ff,0000ff,d5d5ff,0000ff|picture=Image5|shown=", 1},
      {3, "result=2|caption=Confirmare|title=Titlu|text=Mesaj|bands=d3a281,9c5f36,d3a281,9c5f36|picture=Image3|shown=",
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind));
    Host host({{"Titlu", "Mesaj", c.kind, 0}});
    EXPECT_EQ(host.Exit(), 2);
    EXPECT_TRUE(NoWindowWithin("TErori", host.Id(), 0));
    EXPECT_EQ(host.Lines("result"), std::vector<std::string>{c.state});
    EXPECT_EQ(host.Lines("beep").size(), c.beeps);
  }
}

TEST(DialogTest, ASecondCallShowsOnlyItsOwnKindWhereTheFirstClosed) {
  Host host({{"Intai", "Primul mesaj", 1, kOk}, {"Apoi", "Al doilea mesaj", 2, kDa | kNu}});
  Dialog first = WaitForDialog(host);
  ASSERT_NE(first.form, nullptr);
  ExpectLook(first, kEroare);
  RECT before;
  GetWindowRect(first.form, &before);
  DragCaption(first.form, -300, -200);
  RECT frame;
  GetWindowRect(first.form, &frame);
  ASSERT_EQ(frame.left, before.left - 300) << "the caption drag did not move the window";
  ASSERT_EQ(frame.top, before.top - 200);
  TypeChar('o');

  Dialog second = WaitForNextDialog(host, 1);
  ASSERT_NE(second.form, nullptr);
  RECT reopened;
  GetWindowRect(second.form, &reopened);
  EXPECT_EQ(reopened.left, frame.left);
  EXPECT_EQ(reopened.top, frame.top);
  EXPECT_EQ(WindowText(second.label1), "Apoi");
  EXPECT_EQ(WindowText(second.eroText), "Al doilea mesaj");
  ExpectLook(second, kInformatie);
  EXPECT_FALSE(Visible(second.Button(4)));
  TypeChar('n');
  EXPECT_EQ(host.Exit(), 7);
  std::vector<std::string> results = host.Lines("result");
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].substr(0, 9), "result=1|");
  EXPECT_EQ(results[1].substr(0, 9), "result=7|");
}

// ---- Closing

enum class Action { Click, Enter, Space, Letter, AltLetter, Escape, SystemClose, Close, ApplicationClose, Quit };

struct CloseCase {
  const char* name;
  int buttons;
  int tabs;       // Tab presses before the action
  Action action;
  int target;     // the button clicked (1..4)
  char letter;
  long result;
};

class CloseTest : public testing::TestWithParam<CloseCase> {};

TEST_P(CloseTest, ClosesWithTheResultOfTheWayItWasClosed) {
  const CloseCase& c = GetParam();
  Host host({{"Titlu", "Mesaj", 3, c.buttons}});
  Dialog dialog = WaitForDialog(host);
  ASSERT_EQ(dialog.buttons.size(), 4u);
  for (int i = 0; i < c.tabs; ++i) PressKey(VK_TAB);
  switch (c.action) {
    case Action::Click:
      Click(dialog.Button(c.target));
      break;
    case Action::Enter:
      PressKey(VK_RETURN);
      break;
    case Action::Space:
      PressKey(VK_SPACE);
      break;
    case Action::Letter:
      TypeChar(c.letter);
      break;
    case Action::AltLetter:
      TypeChar(c.letter, /*withAlt=*/true);
      break;
    case Action::Escape:
      PressKey(VK_ESCAPE);
      break;
    case Action::SystemClose:
      PostMessageA(dialog.form, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case Action::Close:
      PostMessageA(dialog.form, WM_CLOSE, 0, 0);
      break;
    case Action::ApplicationClose:
      PostMessageA(WaitForWindow("TApplication", host.Id()), WM_CLOSE, 0, 0);
      break;
    case Action::Quit:
      PostThreadMessageA(GetWindowThreadProcessId(dialog.form, nullptr), WM_QUIT, 0, 0);
      break;
  }
  EXPECT_EQ(host.Exit(), c.result);
  EXPECT_FALSE(host.Lines("result=" + std::to_string(c.result) + "|").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CloseTest,
    testing::Values(CloseCase{"ClickDa", kAll, 0, Action::Click, 1, 0, 6},
                    CloseCase{"ClickNu", kAll, 0, Action::Click, 2, 0, 7},
                    CloseCase{"ClickRenunt", kAll, 0, Action::Click, 3, 0, 2},
                    CloseCase{"ClickOk", kAll, 0, Action::Click, 4, 0, 1},
                    CloseCase{"EnterOnFirst", kDa | kNu, 0, Action::Enter, 0, 0, 6},
                    CloseCase{"EnterAfterTab", kDa | kNu, 1, Action::Enter, 0, 0, 7},
                    CloseCase{"SpaceOnOk", kOk, 0, Action::Space, 0, 0, 1},
                    CloseCase{"SpaceOnThird", kDa | kNu | kOk, 2, Action::Space, 0, 0, 1},
                    CloseCase{"LetterD", kAll, 0, Action::Letter, 0, 'd', 6},
                    CloseCase{"LetterN", kAll, 0, Action::Letter, 0, 'n', 7},
                    CloseCase{"LetterR", kAll, 0, Action::Letter, 0, 'r', 2},
                    CloseCase{"LetterO", kAll, 0, Action::Letter, 0, 'o', 1},
                    CloseCase{"AltD", kAll, 0, Action::AltLetter, 0, 'd', 6},
                    CloseCase{"AltN", kAll, 0, Action::AltLetter, 0, 'n', 7},
                    CloseCase{"AltR", kAll, 0, Action::AltLetter, 0, 'r', 2},
                    CloseCase{"AltO", kAll, 0, Action::AltLetter, 0, 'o', 1},
                    CloseCase{"Escape", kDa | kOk, 0, Action::Escape, 0, 0, 2},
                    CloseCase{"SystemMenuClose", kDa | kOk, 0, Action::SystemClose, 0, 0, 2},
                    CloseCase{"CloseBox", kDa | kOk, 0, Action::Close, 0, 0, 2},
                    CloseCase{"ApplicationClosed", kDa | kOk, 0, Action::ApplicationClose, 0, 0, 2},
                    CloseCase{"ApplicationQuit", kDa | kOk, 0, Action::Quit, 0, 0, 2}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST(DialogTest, LettersOfHiddenButtonsDoNothing) {
  const struct {
    int buttons;
    const char* hidden;  // letters of the hidden buttons
    char shown;
    long result;
  } cases[] = {{kOk, "dnr", 'o', 1}, {kDa | kNu, "ro", 'n', 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("hidden letters ") + c.hidden);
    Host host({{"Titlu", "Mesaj", 0, c.buttons}});
    ASSERT_NE(WaitForDialog(host).form, nullptr);
    for (const char* letter = c.hidden; *letter; ++letter) {
      TypeChar(*letter);
      TypeChar(*letter, /*withAlt=*/true);
    }
    EXPECT_TRUE(StillShownAfter(host, 300));
    TypeChar(c.shown);
    EXPECT_EQ(host.Exit(), c.result);
  }
}

// ---- Focus

TEST(DialogTest, TheUpdatersQuestionOpensWithTheFocusOnRenunt) {
  Host host({{"Atentie", "Inchideti programul", 0, kOk | kRenunt}});
  ASSERT_NE(WaitForDialog(host).form, nullptr);
  PressKey(VK_RETURN);
  EXPECT_EQ(host.Exit(), 2);
}

TEST(DialogTest, AFocusedButtonKeepsTheFocusWhenShownAgain) {
  Host host({{"Unu", "Mesaj", 3, kDa | kNu}, {"Doi", "Mesaj", 2, kDa | kNu | kOk}});
  ASSERT_NE(WaitForDialog(host).form, nullptr);
  PressKey(VK_TAB);  // to Nu
  PressKey(VK_ESCAPE);
  Dialog second = WaitForNextDialog(host, 1);
  ASSERT_NE(second.form, nullptr);
  EXPECT_EQ(WindowText(second.label1), "Doi");
  PressKey(VK_RETURN);
  EXPECT_EQ(host.Exit(), 7);
}

TEST(DialogTest, HidingTheFocusedButtonForgetsIt) {
  // The middle call hides Nu, the focused button, without showing the dialog.
  Host host({{"Unu", "Mesaj", 3, kDa | kNu}, {"Doi", "Mesaj", 3, 0}, {"Trei", "Mesaj", 3, kDa | kNu}});
  ASSERT_NE(WaitForDialog(host).form, nullptr);
  PressKey(VK_TAB);  // to Nu
  PressKey(VK_ESCAPE);
  Dialog third = WaitForNextDialog(host, 2);
  ASSERT_NE(third.form, nullptr);
  EXPECT_EQ(WindowText(third.label1), "Trei");
  PressKey(VK_RETURN);
  EXPECT_EQ(host.Exit(), 6);
}

// ---- Modality, cursor, text

TEST(DialogTest, TheApplicationsOtherWindowsTakeNoInputWhileItShows) {
  Host host({{"Titlu", "Mesaj", 0, kOk}}, /*mainVisible=*/true);
  Dialog dialog = WaitForDialog(host);
  ASSERT_NE(dialog.form, nullptr);
  HWND main = WaitForWindow("THostForm", host.Id());
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(IsWindowEnabled(main));
  std::vector<HWND> mainButtons = ChildWindows(main, "Button");
  ASSERT_EQ(mainButtons.size(), 1u);
  RECT button = ScreenRect(mainButtons[0]);
  // The click lands on the main window, not on the dialog.
  HWND under = WindowFromPoint({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
  ASSERT_EQ(GetAncestor(under, GA_ROOT), main);
  Click(mainButtons[0]);
  EXPECT_TRUE(StillShownAfter(host, 300));
  ASSERT_TRUE(BringToFront(dialog.form));
  TypeChar('o');
  EXPECT_EQ(host.Exit(), 1);
  EXPECT_TRUE(host.Lines("main clicked").empty());
}

TEST(DialogTest, ButtonsShowTheirOwnPointer) {
  Host host({{"Titlu", "Mesaj", 0, kDa | kNu}});
  Dialog dialog = WaitForDialog(host);
  ASSERT_EQ(dialog.buttons.size(), 4u);
  // Cursor handles are per process here, so the hand is recognised as the
  // pointer that both buttons show and the message does not.
  auto pointerOver = [](HWND window) {
    RECT rect = ScreenRect(window);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    Sleep(150);
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    EXPECT_TRUE(GetCursorInfo(&cursor));
    return cursor.hCursor;
  };
  HCURSOR overDa = pointerOver(dialog.Button(1)), overText = pointerOver(dialog.eroText);
  HCURSOR overNu = pointerOver(dialog.Button(2));
  EXPECT_EQ(overDa, overNu);
  EXPECT_NE(overDa, overText);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(host.Exit(), 2);
}

namespace {

// Rows of the message box that hold black text, grouped into lines: each line's
// first and last row and its leftmost and rightmost text pixel.
struct TextLine {
  int top, bottom, left, right;
};

std::vector<TextLine> TextLines(const Screen& screen, int fromY, int toY) {
  std::vector<TextLine> lines;
  bool inLine = false;
  for (int y = fromY; y < toY; ++y) {
    int left = kWidth, right = -1;
    for (int x = 0; x < kWidth; ++x)
      if (screen.At(x, y) == RGB(0, 0, 0)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    if (right < 0) {
      inLine = false;
      continue;
    }
    if (!inLine) lines.push_back({y, y, left, right});
    TextLine& line = lines.back();
    line.bottom = y;
    line.left = std::min(line.left, left);
    line.right = std::max(line.right, right);
    inLine = true;
  }
  return lines;
}

}  // namespace

TEST(DialogTest, TheTitleGrowsOnOneLineAndTheMessageWrapsCentredInItsBox) {
  std::string longText;
  for (int i = 0; i < 40; ++i) longText += "cuvinte lungi ";
  longText += "sfarsit";
  Host host({{"Un titlu foarte lung care se intinde spre dreapta", "Scurt", 1, kOk},
             {"Scurt", longText, 1, kOk}});
  Dialog first = WaitForDialog(host);
  ASSERT_NE(first.form, nullptr);
  RECT title = InDialog(first, first.label1);
  EXPECT_EQ(title.top, 16);
  EXPECT_EQ(title.bottom - title.top, 16);
  EXPECT_GT(title.right, 300);
  Screen screen = SettledScreen(first.form);
  std::vector<TextLine> lines = TextLines(screen, 49, 129);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NEAR((lines[0].left + lines[0].right) / 2.0, 8 + 321 / 2.0, 2);
  TypeChar('o');

  Dialog second = WaitForNextDialog(host, 1);
  ASSERT_NE(second.form, nullptr);
  screen = SettledScreen(second.form);
  lines = TextLines(screen, 49, 129);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_LE(lines.size(), 5u);  // 65 pixels hold five lines of the 11-pixel font
  EXPECT_GE(lines.front().top, 56);
  EXPECT_LT(lines.back().bottom, 56 + 65) << "a line beyond the box is not shown";
  for (const TextLine& line : lines) {
    EXPECT_GE(line.left, 8);
    EXPECT_LT(line.right, 8 + 321);
    EXPECT_NEAR((line.left + line.right) / 2.0, 8 + 321 / 2.0, 4) << "line at " << line.top;
  }
  TypeChar('o');
  EXPECT_EQ(host.Exit(), 1);
}
