// The program entry: prepares the application, creates the update window and
// runs the message loop, which shows the window and so runs the update.
#include <windows.h>

#include "app/Unit1.h"
#include "toolkit/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application.Initialize();
  Application.SetTitle("Actualizare Zarvo2025");
  TForm1 form1;
  Form1 = &form1;
  Application.Run();
  return 0;
}
