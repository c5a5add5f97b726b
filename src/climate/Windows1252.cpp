#include "climate/Windows1252.h"

#include "climate/ClimateErrors.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace climate {

namespace {

constexpr const char* kCodec = "windows-1252";

void requireCodec(bool valid) {
    if (!valid) {
        throw EncodingError(
            "O código de caracteres Windows-1252 não está disponível neste sistema.");
    }
}

}  // namespace

QString decodeWindows1252(std::string_view bytes) {
    if (isAscii(bytes)) {
        return QString::fromUtf8(bytes.data(),
                                 static_cast<qsizetype>(bytes.size()));  // ASCII: the same text
    }
    QStringDecoder decoder(kCodec, QStringDecoder::Flag::Stateless);
    requireCodec(decoder.isValid());
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> tryEncodeWindows1252(const QString& text) {
    QStringEncoder encoder(kCodec, QStringEncoder::Flag::Stateless);
    requireCodec(encoder.isValid());
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string encodeWindows1252(const QString& text) {
    if (auto bytes = tryEncodeWindows1252(text)) {
        return std::move(*bytes);
    }
    throw EncodingError("O texto \"" + text.toStdString() +
                        "\" tem caracteres que não existem no código Windows-1252.");
}

bool isAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    while (i < n) {
        const unsigned char lead = at(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) {
                low = 0xA0;  // no overlong forms
            } else if (lead == 0xED) {
                high = 0x9F;  // no surrogates
            }
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) {
                low = 0x90;
            } else if (lead == 0xF4) {
                high = 0x8F;  // nothing past U+10FFFF
            }
        } else {
            return false;
        }
        if (i + length > n) {
            return false;
        }
        if (at(i + 1) < low || at(i + 1) > high) {
            return false;
        }
        for (std::size_t k = 2; k < length; ++k) {
            if (at(i + k) < 0x80 || at(i + k) > 0xBF) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::string utf8ToWindows1252(std::string_view utf8) {
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    if (!isValidUtf8(utf8)) {
        throw EncodingError("O texto não é UTF-8 válido.");
    }
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return encodeWindows1252(text);
}

}  // namespace climate
