#pragma once
#include "platform/unique_handle.h"
#include "toolkit/control.h"

struct TImageLayout {
  const char* Name;
  TBounds Bounds;
  const char* Bitmap = nullptr;  // name of a bitmap resource, or none
  bool Visible = true;
};

// A picture: an opaque bitmap drawn at the control's size.
class TImage : public TControl {
 public:
  TImage(TControl* parent, const TImageLayout& layout);

  HBITMAP Picture() const { return picture_.get(); }
  // Takes a copy of another image's picture.
  void AssignPicture(const TImage& source);

 protected:
  void Paint(HDC dc) override;

 private:
  UniqueBitmap picture_;
};
