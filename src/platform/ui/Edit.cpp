#include "platform/ui/Edit.h"

#include "platform/ui/ChildStyle.h"

namespace brimdock {

void Edit::Create(Control& parent, const Bounds& bounds, int maxLength) {
  CreateStandard(parent, "EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                 WS_EX_CLIENTEDGE | kChildExStyle, bounds);
  if (maxLength > 0) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

int Edit::MaxLength() const {
  return static_cast<int>(SendMessageA(Handle(), EM_GETLIMITTEXT, 0, 0));
}

void Edit::OnCommand(WORD code) {
  if (code == EN_CHANGE && onChange) onChange(this);
}

}  // namespace brimdock
