#pragma once
// Runs the real updater against a real installation folder and settings file,
// and reads the outcome from its status lines.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"

namespace updater {

struct StatusLine {
  bool visible = false;
  std::string text;
  bool red = false;
};

// The four status lines, Linia1 to Linia4.
struct Outcome {
  StatusLine lines[4];
};

HWND WaitForUpdateWindow(const driver::Process& process, DWORD timeoutMs = 20000);
Outcome ReadOutcome(HWND form);
// Presses the window's OK button as a user would.
void PressOk(HWND form);

// The answer to the question, read and given in the real dialog.
HWND WaitForQuestion(const driver::Process& process, DWORD timeoutMs = 20000);
void Answer(HWND dialog, WORD key);  // VK_RETURN, VK_ESCAPE, or a letter key

// The bytes that the default updater carries, and those of the old stand-in.
std::string NewExecutable();
std::string OldExecutable();

constexpr char kInstalledPrefix[] = "Aveti instalata versiunea ";
constexpr char kUpdating[] = "Actualizam programul la versiunea 1.0011";
constexpr char kSuccess[] = "Actualizare incheiata cu succes!";
constexpr char kNotInstalled[] = "Programul Zarvo 2025 Gratuit nu este instalat!";
constexpr char kLatest[] = "Aveti deja ultima versiune!";
constexpr char kExtraction[] = "Eroare la extragere fisiere!";
constexpr char kCannotModify[] = "Nu pot modifica vechiul executabil!";
inline std::string CannotWrite(const std::string& folder) { return "Nu pot scrie in " + folder + "!"; }

// Checks the outcome against lines given as "" (hidden), "text" (default
// colour) or "!text" (red).
void ExpectLines(const Outcome& outcome, const std::string (&expected)[4]);

}  // namespace updater
