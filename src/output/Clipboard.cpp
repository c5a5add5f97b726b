#include "output/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace output {

namespace {
class SystemClipboard : public Clipboard {
public:
    void setImage(const QImage& picture) override {
        QGuiApplication::clipboard()->setImage(picture);
    }
    void setText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
};
}  // namespace

std::unique_ptr<Clipboard> makeSystemClipboard() { return std::make_unique<SystemClipboard>(); }

}  // namespace output
