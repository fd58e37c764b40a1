#pragma once
#include <windows.h>

#include "toolkit/events.h"
#include "toolkit/types.h"

class TForm;

// Position and size in pixels of the 96-dpi layout, relative to the parent's client area.
struct TBounds {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

// A control of the toolkit. Every control is a real window, so that screen
// readers and Win32 inspection see it; controls keep their parent's list of
// children in creation order, which is also their tab and stacking order.
class TControl : public TObject {
 public:
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;
  ~TControl() override;

  HWND Handle() const { return handle_; }
  const char* Name() const { return name_; }
  TControl* Parent() const { return parent_; }
  TForm* Form();
  TControl* FindChild(const char* name) const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  // Presses the control as a click would, if it is a button; true when it is one.
  virtual bool Press() { return false; }
  TBounds Bounds() const { return bounds_; }
  void SetLeft(int left);
  TCursor Cursor = TCursor::crDefault;

  static TControl* FromHandle(HWND handle);

  // Makes the control's window, and its children's, unless made already. A
  // form's windows are made when it is first shown or otherwise needed, so a
  // form that is never shown costs no windows.
  void HandleNeeded();

  // Paints, into `dc` whose origin is `child`'s top left, what lies beneath `child`:
  // this control's ground and the backdrops created before `child`.
  void PaintBeneathChild(HDC dc, const TControl& child);

 protected:
  TControl(TControl* parent, const char* name, TBounds bounds, TAlign align = TAlign::alNone);

  // The window a control is made of: a class of ours (registered on demand)
  // unless `System`, with the control's own styles.
  struct TWindowClass {
    const char* Name;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    bool System = false;
  };
  void DeclareWindow(const TWindowClass& windowClass) { windowClass_ = windowClass; }
  // The text the window is made with.
  virtual const char* WindowText() const { return ""; }
  // Settings that need the window itself, applied once it is made.
  virtual void WindowCreated() {}
  // The window's bounds in device pixels, from the layout bounds.
  RECT DeviceBounds() const;

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // A notification (WM_COMMAND code) from a system control.
  virtual void Notify(WORD) {}
  // Draws the whole control into `dc`, whose origin is the control's top left;
  // by default its ground.
  virtual void Paint(HDC dc);
  // Controls that others show through to when they lie beneath them (the gradient band).
  virtual bool IsBackdrop() const { return false; }
  // What the control's own ground looks like: its colour, bevel and the like.
  virtual void PaintGround(HDC dc, const RECT& client);

  TColor color_ = clWhite;

 private:
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);

  void CreateWindowNow();

  TWindowClass windowClass_{""};
  HWND handle_ = nullptr;
  const char* name_;
  TControl* parent_;
  TControl* firstChild_ = nullptr;
  TControl* lastChild_ = nullptr;
  TControl* nextSibling_ = nullptr;
  TBounds bounds_;
  bool visible_ = true;
};
