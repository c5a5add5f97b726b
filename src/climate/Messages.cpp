#include "climate/Messages.h"

#include <array>

namespace climate {

QString invalidFileMessage() {
    return QStringLiteral("Arquivo inválido!");
}

QString errorMessage() {
    return QStringLiteral("Erro!");
}

QString indexNotFoundMessage() {
    return QStringLiteral("Arquivo ") + QStringLiteral("Latitudes") +
           QStringLiteral(".csv não encontrado!");
}

QString cityExistsQuestion(const QString& name) {
    return QStringLiteral("Cidade ") + name +
           QStringLiteral(" já existe. Deseja substituir os dados existentes?");
}

QString noFileSelectedMessage() {
    return QStringLiteral("Nenhum arquivo selecionado!");
}

QString fillSeasonStartsMessage() {
    return QStringLiteral("Preencha todos os dias, meses e horas iniciais das estações!");
}

QString seasonStartNotFoundMessage(int season) {
    static const std::array<const char*, 4> messages{
        "Data/Hora de início da Primavera não localizado no arquivo!",
        "Data/Hora de início do Verão não localizado no arquivo!",
        "Data/Hora de início do Outono não localizado no arquivo!",
        "Data/Hora de início do Inverno não localizado no arquivo!",
    };
    return QString::fromUtf8(messages.at(static_cast<std::size_t>(season)));
}

QString cityIncludedMessage(const QString& name) {
    return name + QStringLiteral(" incluso com sucesso!");
}

QString filledValuesMessage(int count) {
    return QStringLiteral("Valores ausentes preenchidos por interpolação: ") +
           QString::number(count) + u'.';
}

}  // namespace climate
