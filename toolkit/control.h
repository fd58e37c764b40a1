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

  // Paints, into `dc` whose origin is `child`'s top left, what lies beneath `child`:
  // this control's ground and the backdrops created before `child`.
  void PaintBeneathChild(HDC dc, const TControl& child);

 protected:
  TControl(TControl* parent, const char* name, TBounds bounds, TAlign align = TAlign::alNone);

  // Creates the window: `className` is ours (registered on demand) unless `systemClass`.
  void CreateHandle(const char* className, DWORD style, DWORD exStyle, const char* text,
                    bool systemClass = false);
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

  HWND handle_ = nullptr;
  const char* name_;
  TControl* parent_;
  TControl* firstChild_ = nullptr;
  TControl* lastChild_ = nullptr;
  TControl* nextSibling_ = nullptr;
  TBounds bounds_;
  bool visible_ = true;
};
