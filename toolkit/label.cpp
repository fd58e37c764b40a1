#include "toolkit/label.h"

TLabel::TLabel(TControl* parent, const TLabelLayout& layout)
    : TControl(parent, layout.Name, layout.Bounds),
      caption_(layout.Caption),
      font_(CreateLayoutFont(layout.Font)),
      fontColor_(layout.Font.Color),
      autoSize_(layout.AutoSize),
      alignment_(layout.Alignment),
      wordWrap_(layout.WordWrap) {
  DeclareWindow({"TLabel"});
}

void TLabel::SetCaption(const AnsiString& caption) {
  caption_ = caption;
  if (!Handle()) return;
  SetWindowTextA(Handle(), caption_.c_str());
  FitWidthToText();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TLabel::SetFontColor(TColor color) {
  fontColor_ = color;
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

UINT TLabel::TextFormat() const {
  UINT format = DT_NOPREFIX | (alignment_ == TAlignment::taCenter ? DT_CENTER : DT_LEFT);
  return format | (wordWrap_ ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE);
}

void TLabel::FitWidthToText() {
  if (!autoSize_) return;
  HDC dc = GetDC(Handle());
  HGDIOBJ previous = SelectObject(dc, font_.get());
  SIZE extent{};
  GetTextExtentPoint32A(dc, caption_.c_str(), static_cast<int>(caption_.length()), &extent);
  SelectObject(dc, previous);
  ReleaseDC(Handle(), dc);
  RECT client;
  GetClientRect(Handle(), &client);
  SetWindowPos(Handle(), nullptr, 0, 0, extent.cx, client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TLabel::Paint(HDC dc) {
  Parent()->PaintBeneathChild(dc, *this);
  RECT client;
  GetClientRect(Handle(), &client);
  HGDIOBJ previous = SelectObject(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(fontColor_));
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.length()), &client, TextFormat());
  SelectObject(dc, previous);
}
