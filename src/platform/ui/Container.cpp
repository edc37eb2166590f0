#include "platform/ui/Container.h"

#include "platform/ui/ChildStyle.h"

namespace brimdock {

void Container::CreateContainer(Control* parent, std::string_view text, DWORD style, DWORD exStyle,
                                const Bounds& bounds, Color color) {
  color_ = color;
  CreateOwn(parent, text, style | WS_CLIPCHILDREN,
            exStyle | WS_EX_CONTROLPARENT | (parent ? kChildExStyle : 0), bounds);
}

void Container::SetBackgroundColor(Color color) {
  color_ = color;
  brush_.Reset();
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

HBRUSH Container::BackgroundBrush() {
  if (!brush_) brush_.Reset(CreateSolidBrush(ToColorRef(color_)));
  return brush_.Get();
}

HBRUSH Container::OnControlColor(HDC dc) {
  SetBkColor(dc, ToColorRef(color_));
  return BackgroundBrush();
}

LRESULT Container::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(Handle(), &client);
      auto dc = reinterpret_cast<HDC>(wParam);
      FillRect(dc, &client, BackgroundBrush());
      PaintBackground(dc, client);
      return 1;
    }
    case WM_COMMAND:
      if (Control* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
        child->OnCommand(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (Control* child = FromHandle(header->hwndFrom)) {
        LRESULT result = 0;
        if (child->OnNotify(*header, result)) return result;
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (Control* child = FromHandle(item->hwndItem)) {
        child->OnDrawItem(*item);
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      auto dc = reinterpret_cast<HDC>(wParam);
      Control* child = FromHandle(reinterpret_cast<HWND>(lParam));
      if (HBRUSH brush = child ? child->OnControlColor(dc) : nullptr) {
        return reinterpret_cast<LRESULT>(brush);
      }
      if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        return reinterpret_cast<LRESULT>(OnControlColor(dc));
      }
      break;
    }
    default:
      break;
  }
  return Control::WndProc(message, wParam, lParam);
}

}  // namespace brimdock
