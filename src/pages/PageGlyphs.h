#pragma once

#include <windows.h>

namespace brimdock {

// The small pictures on the page buttons and the folder-tree button, drawn with GDI into the
// area the button gives them.
inline constexpr SIZE kPageGlyphSize{32, 32};
inline constexpr SIZE kSmallGlyphSize{16, 16};

void PaintAppearanceGlyph(HDC dc, const RECT& area, bool enabled);
void PaintFoldersGlyph(HDC dc, const RECT& area, bool enabled);
void PaintIconsGlyph(HDC dc, const RECT& area, bool enabled);
void PaintClipboardGlyph(HDC dc, const RECT& area, bool enabled);
void PaintAboutGlyph(HDC dc, const RECT& area, bool enabled);
void PaintFolderTreeGlyph(HDC dc, const RECT& area, bool enabled);

}  // namespace brimdock
