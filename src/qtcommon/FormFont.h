#pragma once

#include <QFont>

namespace xkr::qtcommon {

// The font the form's controls are shown in, from the font the control is given: the given one
// in a narrow face, as the twips were laid out for a small, narrow dialog font. Where the control
// is given only the desktop's standard font (no host, style sheet or application asked for
// another), the form keeps its own small size, grown in step with a desktop font larger than
// Qt's standard.
QFont formFont(const QFont& given);
// The Serial box's own face, grown with the form's font.
QFont serialBoxFont(const QFont& form);

}  // namespace xkr::qtcommon
