// Painting of design objects; the button-face painter replaces these empty bodies.
#include "designer/objects/drawrect.h"

void CDrawRect::Draw(CSurface*, IDrawView*) {}

void CDrawObj::DrawHandles(CSurface*, int) {}
