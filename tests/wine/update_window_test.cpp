// The update window as the user sees it: layout, texts, stacking, taskbar
// title, and OK ending the program.
#include <gtest/gtest.h>

#include "driver.h"

using namespace driver;

namespace {

struct UpdaterWindow {
  HWND form;
  std::vector<HWND> labels;  // Label1, Linia1 to Linia4
  HWND ok;
};

UpdaterWindow Open(const Process& updater) {
  UpdaterWindow window{WaitForWindow("TForm1", updater.Id()), {}, nullptr};
  EXPECT_NE(window.form, nullptr) << "the update window did not appear";
  if (!window.form) return window;
  window.labels = ChildWindows(window.form, "TLabel");
  std::vector<HWND> buttons = ChildWindows(window.form, "Button");
  window.ok = buttons.empty() ? nullptr : buttons[0];
  return window;
}

}  // namespace

TEST(UpdateWindowTest, ShowsItsLayoutCentredOnTopWithTheHeader) {
  RemoveSettings();
  Process updater = Process::Start("\"" + UpdaterPath() + "\"");
  UpdaterWindow window = Open(updater);
  ASSERT_NE(window.form, nullptr);

  EXPECT_EQ(WindowText(window.form), "Actualizare");
  SIZE client = ClientSize(window.form);
  EXPECT_EQ(client.cx, 377);
  EXPECT_EQ(client.cy, 182);
  RECT frame;
  GetWindowRect(window.form, &frame);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_TRUE(GetWindowLongA(window.form, GWL_EXSTYLE) & WS_EX_TOPMOST);
  LONG style = GetWindowLongA(window.form, GWL_STYLE);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  ASSERT_EQ(window.labels.size(), 5u);
  EXPECT_EQ(WindowText(window.labels[0]), "Actualizare Zarvo 2025 Gratuit la ver.1.0011");
  EXPECT_EQ(WindowText(window.ok), "OK");
  RECT ok = ScreenRect(window.ok), form = ScreenRect(window.form);
  EXPECT_EQ(ok.left - form.left, 144);
  EXPECT_EQ(ok.top - form.top, 149);
  EXPECT_EQ(ok.right - ok.left, 75);

  // The bottom band shades from white at its top to the window's colour at its bottom.
  EXPECT_EQ(PixelAt(window.form, 8, 142), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(window.form, 8, 180), RGB(238, 238, 223));
  EXPECT_EQ(PixelAt(window.form, 370, 20), RGB(238, 238, 223));
}

TEST(UpdateWindowTest, TheTaskbarButtonCarriesTheApplicationTitle) {
  RemoveSettings();
  Process updater = Process::Start("\"" + UpdaterPath() + "\"");
  ASSERT_NE(Open(updater).form, nullptr);
  HWND application = WaitForWindow("TApplication", updater.Id(), 2000);
  ASSERT_NE(application, nullptr);
  EXPECT_EQ(WindowText(application), "Actualizare Zarvo2025");
  EXPECT_EQ(GetWindow(WaitForWindow("TForm1", updater.Id()), GW_OWNER), application);
}

TEST(UpdateWindowTest, OkEndsTheProgramWithExitCodeZero) {
  struct Case {
    const char* how;
    void (*press)(const UpdaterWindow& window);
  } cases[] = {
      {"clicked", [](const UpdaterWindow& window) { Click(window.ok); }},
      {"Enter on the focused button", [](const UpdaterWindow&) { PressKey(VK_RETURN); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    RemoveSettings();
    Process updater = Process::Start("\"" + UpdaterPath() + "\"");
    UpdaterWindow window = Open(updater);
    ASSERT_NE(window.form, nullptr);
    ASSERT_TRUE(BringToFront(window.form));
    c.press(window);
    EXPECT_EQ(updater.WaitExit(), 0);
  }
}

TEST(UpdateWindowTest, ClosingFromTheTaskbarEndsTheProgram) {
  RemoveSettings();
  Process updater = Process::Start("\"" + UpdaterPath() + "\"");
  ASSERT_NE(Open(updater).form, nullptr);
  PostMessageA(WaitForWindow("TApplication", updater.Id()), WM_CLOSE, 0, 0);
  EXPECT_EQ(updater.WaitExit(), 0);
}

TEST(UpdateWindowTest, NumbersUseAFullStopWhateverTheRegionalSettingsSay) {
  HKEY international;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\International", 0, KEY_READ | KEY_WRITE, &international),
            ERROR_SUCCESS);
  char saved[8] = {};
  DWORD savedSize = sizeof saved;
  bool hadValue = RegQueryValueExA(international, "sDecimal", nullptr, nullptr, reinterpret_cast<BYTE*>(saved),
                                   &savedSize) == ERROR_SUCCESS;
  RegSetValueExA(international, "sDecimal", 0, REG_SZ, reinterpret_cast<const BYTE*>(","), 2);

  std::string folder = FreshFolder("comma");
  WriteSettings(folder, "1.0010");
  Process updater = Process::Start("\"" + UpdaterPath() + "\"");
  UpdaterWindow window = Open(updater);

  if (hadValue)
    RegSetValueExA(international, "sDecimal", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved), savedSize);
  else
    RegDeleteValueA(international, "sDecimal");
  RegCloseKey(international);
  RemoveSettings();

  ASSERT_NE(window.form, nullptr);
  EXPECT_EQ(WindowText(window.labels[0]), "Actualizare Zarvo 2025 Gratuit la ver.1.0011");
  EXPECT_EQ(WindowText(window.labels[1]), "Aveti instalata versiunea 1.0010");
  EXPECT_EQ(WindowText(window.labels[2]), "Actualizam programul la versiunea 1.0011");
}
