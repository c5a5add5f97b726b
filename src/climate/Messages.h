// The texts the import and the city list show, word for word, in one place
// for the windows and the command line alike.
#pragma once

#include <QString>

namespace climate {

QString invalidFileMessage();                      // "Arquivo inválido!"
QString errorMessage();                            // "Erro!"
QString indexNotFoundMessage();                    // "Arquivo Latitudes.csv não encontrado!"
QString cityExistsQuestion(const QString& name);   // "Cidade X já existe. Deseja substituir ..."
QString noFileSelectedMessage();                   // "Nenhum arquivo selecionado!"
QString fillSeasonStartsMessage();                 // "Preencha todos os dias, meses e horas ..."
QString seasonStartNotFoundMessage(int season);    // "Data/Hora de início da Primavera ..."
QString cityIncludedMessage(const QString& name);  // "X incluso com sucesso!"
// The success message's details for a source with missing values.
QString filledValuesMessage(int count);

}  // namespace climate
