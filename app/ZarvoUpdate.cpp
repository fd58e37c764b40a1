// The program entry: prepares the application, creates the update window and
// the message dialog, and runs the message loop, which shows the window and so
// runs the update.
#include <windows.h>

#include "app/Unit1.h"
#include "dialog/EroriU.h"
#include "toolkit/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application.Initialize();
  Application.SetTitle("Actualizare Zarvo2025");
  TForm1 form1;
  Form1 = &form1;
  TErori erori;  // hidden until a question is asked
  Erori = &erori;
  Application.Run();
  return 0;
}
