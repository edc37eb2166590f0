#include "platform/ui/SpeedButton.h"

#include "platform/ui/ChildStyle.h"

#include <windowsx.h>

#include "platform/GdiObjects.h"

namespace brimdock {

void SpeedButton::Create(Control& parent, std::string_view caption, const Bounds& bounds) {
  CreateStandard(parent, "BUTTON", caption, WS_VISIBLE | BS_OWNERDRAW, kChildExStyle, bounds);
}

void SpeedButton::SetGlyph(GlyphPainter painter, SIZE size, GlyphLayout layout) {
  glyph_ = std::move(painter);
  glyphSize_ = size;
  layout_ = layout;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void SpeedButton::SetCaptionColor(Color color) {
  captionColor_ = color;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void SpeedButton::SetCaptionDrawn(bool drawn) {
  captionDrawn_ = drawn;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void SpeedButton::SetOwnFont(const FontSpec& font) {
  font_.Assign(font);
  ownFont_ = true;
  SetFont(font_.Handle());
}

void SpeedButton::SetDown(bool down) {
  if (down_ == down) return;
  down_ = down;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void SpeedButton::SetBackdrop(std::function<void(HDC, const RECT&)> backdrop) {
  backdrop_ = std::move(backdrop);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void SpeedButton::Click() {
  if (onClick) onClick(this);
}

void SpeedButton::OnCommand(WORD code) {
  if (code == BN_CLICKED) Click();
}

void SpeedButton::SetHot(bool hot) {
  if (hot_ == hot) return;
  hot_ = hot;
  InvalidateRect(Handle(), nullptr, TRUE);
}

bool SpeedButton::PointerInside(LPARAM lParam) const {
  RECT client{};
  GetClientRect(Handle(), &client);
  const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return PtInRect(&client, p) != FALSE;
}

LRESULT SpeedButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      if (!hot_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
      }
      SetHot(true);
      if (tracking_ && pressed_ != PointerInside(lParam)) {
        pressed_ = !pressed_;
        InvalidateRect(Handle(), nullptr, TRUE);
      }
      return 0;
    }
    case WM_MOUSELEAVE:
      SetHot(false);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // No focus is taken: a flat button leaves the keyboard where it was.
      if (Enabled()) {
        SetCapture(Handle());
        tracking_ = true;
        pressed_ = true;
        InvalidateRect(Handle(), nullptr, TRUE);
      }
      return 0;
    case WM_LBUTTONUP:
      if (tracking_) {
        const bool clicked = PointerInside(lParam);
        tracking_ = false;
        pressed_ = false;
        ReleaseCapture();
        InvalidateRect(Handle(), nullptr, TRUE);
        if (clicked) {
          SendMessageA(GetParent(Handle()), WM_COMMAND,
                       MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                       reinterpret_cast<LPARAM>(Handle()));
        }
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (tracking_) {
        tracking_ = false;
        pressed_ = false;
        InvalidateRect(Handle(), nullptr, TRUE);
      }
      return 0;
    case BM_CLICK:
      if (Enabled()) {
        SendMessageA(GetParent(Handle()), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Handle()));
      }
      return 0;
    case WM_ENABLE:
      InvalidateRect(Handle(), nullptr, TRUE);
      break;
    default:
      break;
  }
  return Control::WndProc(message, wParam, lParam);
}

void SpeedButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  if (backdrop_) {
    backdrop_(dc, r);
  } else {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(Handle()), WM_CTLCOLORBTN,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(Handle())));
    FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  }

  const bool enabled = Enabled();
  const bool sunken = down_ || (tracking_ && pressed_);
  if (sunken) {
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_ && enabled) {
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  }
  if (sunken) OffsetRect(&r, 1, 1);

  const std::string caption = captionDrawn_ ? Caption() : std::string();
  RECT text = r;
  if (glyph_) {
    RECT glyph{};
    if (caption.empty()) {
      glyph.left = r.left + (r.right - r.left - glyphSize_.cx) / 2;
      glyph.top = r.top + (r.bottom - r.top - glyphSize_.cy) / 2;
    } else if (layout_ == GlyphLayout::Top) {
      glyph.left = r.left + (r.right - r.left - glyphSize_.cx) / 2;
      glyph.top = r.top + 5;
      text.top = glyph.top + glyphSize_.cy;
    } else {
      glyph.left = r.left + 4;
      glyph.top = r.top + (r.bottom - r.top - glyphSize_.cy) / 2;
      text.left = glyph.left + glyphSize_.cx;
    }
    glyph.right = glyph.left + glyphSize_.cx;
    glyph.bottom = glyph.top + glyphSize_.cy;
    glyph_(dc, glyph, enabled);
  }

  if (caption.empty()) return;
  SelectedObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (!enabled) {
    RECT shifted = text;
    OffsetRect(&shifted, 1, 1);
    ::SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, caption.c_str(), -1, &shifted, format);
    ::SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  } else if (captionColor_) {
    ::SetTextColor(dc, ToColorRef(*captionColor_));
  } else if (ownFont_) {
    ::SetTextColor(dc, ToColorRef(font_.Description().color));
  } else {
    ::SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  DrawTextA(dc, caption.c_str(), -1, &text, format);
}

}  // namespace brimdock
