#include "toolkit/image.h"

TImage::TImage(TControl* parent, const TImageLayout& layout) : TControl(parent, layout.Name, layout.Bounds) {
  if (layout.Bitmap)
    picture_.reset(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), layout.Bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  DeclareWindow({"TImage"});
  if (!layout.Visible) SetVisible(false);
}

void TImage::AssignPicture(const TImage& source) {
  picture_.reset(source.picture_
                     ? static_cast<HBITMAP>(CopyImage(source.picture_.get(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))
                     : nullptr);
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TImage::Paint(HDC dc) {
  Parent()->PaintBeneathChild(dc, *this);
  if (!picture_) return;
  BITMAP info;
  GetObjectA(picture_.get(), sizeof info, &info);
  RECT client;
  GetClientRect(Handle(), &client);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, picture_.get());
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}
