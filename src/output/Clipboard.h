// The clipboard behind a small interface, so the copy commands can be tested
// without touching the desktop's clipboard.
#pragma once

#include <QImage>
#include <QString>

#include <memory>

namespace output {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's contents by the picture, as a bitmap.
    virtual void setImage(const QImage& picture) = 0;
    // Replaces the clipboard's contents by plain text.
    virtual void setText(const QString& text) = 0;
};

std::unique_ptr<Clipboard> makeSystemClipboard();

}  // namespace output
