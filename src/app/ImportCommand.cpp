#include "app/ImportCommand.h"

#include "climate/ImportSession.h"
#include "climate/Notifier.h"
#include "math/numbers.h"

#include <QStringList>

namespace {

// The window's dialogs as lines: the success message on stdout, every other
// message and question on stderr, each question answered from --replace.
class StreamNotifier : public climate::Notifier {
public:
    StreamNotifier(QTextStream& out, QTextStream& err, bool replace)
        : out_(out), err_(err), replace_(replace) {}

    void notify(climate::NoticeKind kind, const QString& text, const QString& details) override {
        QTextStream& stream = kind == climate::NoticeKind::Confirmation ? out_ : err_;
        if (&stream == &err_) {
            stream << "zenita: ";
        }
        stream << text;
        if (!details.isEmpty()) {
            stream << " (" << details << ')';
        }
        stream << Qt::endl;
    }

    bool askYesNo(const QString& text, const QString& details) override {
        err_ << "zenita: " << text;
        if (!details.isEmpty()) {
            err_ << " (" << details << ')';
        }
        err_ << (replace_ ? " Sim (--replace)" : " Não (sem --replace)") << Qt::endl;
        return replace_;
    }

private:
    QTextStream& out_;
    QTextStream& err_;
    bool replace_;
};

}  // namespace

std::optional<climate::SeasonStartText> parseSeasonStartOption(const QString& text) {
    const QStringList parts = text.split(u'/');
    if (parts.size() != 3) {
        return std::nullopt;
    }
    for (const QString& part : parts) {
        if (!math::parseInteger(part.trimmed().toStdString())) {
            return std::nullopt;
        }
    }
    return climate::SeasonStartText{parts[0], parts[1], parts[2]};
}

bool runImportCommand(const ImportRequest& request, const QString& baseDirectory, QTextStream& out,
                      QTextStream& err) {
    StreamNotifier notifier(out, err, request.replace);
    climate::ImportSession session(baseDirectory, notifier);
    session.activate();
    session.choose(request.file);
    if (!session.includeEnabled()) {
        return false;
    }
    climate::SeasonStartTexts starts = climate::defaultSeasonStartTexts(
        session.seasonHemisphere().value_or(climate::Hemisphere::South));
    for (int s = 0; s < climate::kSeasonCount; ++s) {
        if (request.seasonStarts[s]) {
            starts[s] = *request.seasonStarts[s];
        }
    }
    return session.include(starts);
}
