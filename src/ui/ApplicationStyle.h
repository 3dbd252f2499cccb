#pragma once

#include <QString>

class QStyle;

namespace rv {

// The style named by key (as QStyleFactory knows it) with two changes that
// keep image files out of the start-up. Read through QPixmap, any image first
// makes Qt load every image-format plugin installed, to ask whether it reads
// the file: Fusion does that for the frame of the first group box it draws,
// and every menu bar for an extension arrow that three menus never show.
// Here the frame is drawn from pixels in the code and the arrow is loaded when
// first drawn; everything looks as the style itself draws it.
QStyle* createApplicationStyle(const QString& key);

// Installs that style around Fusion when Fusion is the style Qt chose (or the
// one given with -style); any other style is left as it is.
void installApplicationStyle();

} // namespace rv
