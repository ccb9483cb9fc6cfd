#pragma once
// The workbench's pictures: the main form's large buttons, the tool bar's icons and the
// program's icon, all drawn as SVG (resources/workbench) and rendered at the sizes and pixel
// ratios the screen asks for.

#include <QIcon>
#include <QPixmap>
#include <QString>

class QFont;

namespace tb {

enum class FormButtonLook { Normal, Hot, Pressed, Disabled };

// The form's colour, on which the buttons' pictures are drawn.
inline constexpr QRgb kFormColor = qRgb(178, 178, 201);

// A large button's picture: the raised (or pushed) face on the form's colour, the glyph
// named glyph ("new", "open", ... in resources/workbench/form) on the left and the caption
// in font beside it.
QPixmap FormButtonImage(const QString& glyph, const QString& caption, const QFont& font, QSize size,
                        FormButtonLook look, qreal ratio);

// The size every large button shares: room for the widest caption in font.
QSize FormButtonSize(const QStringList& captions, const QFont& font);

// The tool bar's 32 x 32 icon of a command; null for commands not on the tool bar.
QIcon ToolBarIcon(unsigned nCommandId);

QIcon WorkbenchIcon();

} // namespace tb
