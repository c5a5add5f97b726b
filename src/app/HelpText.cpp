#include "app/HelpText.h"

QString usageText() {
    return QStringLiteral(R"(Uso: zenita [--database DIR] [FILE.epw | FILE.csv] [opções do Qt]
     zenita --export-chart FILE (--latitude DEG | --city NAME) [--orientation DEG]
            [--reference interna|externa] [--alfa A[,A2]]
            [--beta-right B[,B2]] [--beta-left B[,B2]]
            [--gamma-right G[,G2]] [--gamma-left G[,G2]] [--no-paths]
            [--radius CM] [--overlay temperaturas|global|direta [--period 1|2]]
            [--database DIR]
     zenita --export-wind FILE --city NAME [--mode velocidades|frequencia]
            [--database DIR]
     zenita --export-sheet FILE.pdf|FILE.png (--latitude DEG | --city NAME)
            [as opções da carta] [--mode velocidades|frequencia]
            [--database DIR]
     zenita --import FILE [--replace] [--spring D/M/H] [--summer D/M/H]
            [--autumn D/M/H] [--winter D/M/H] [--database DIR]
     zenita --shading-report FILE.csv --city NAME --orientation DEG
            [--reference interna|externa] [--alfa A[,A2]]
            [--beta-right B[,B2]] [--beta-left B[,B2]]
            [--gamma-right G[,G2]] [--gamma-left G[,G2]] [--database DIR]
     zenita --sun-position --latitude DEG --date D/M --hour H
            [--orientation DEG] [--reference interna|externa]
     zenita --help | --version

Sem comando, abre a janela. Com um arquivo .epw ou .csv, abre também a janela
"Incluir Nova Cidade" com esse arquivo, como se escolhido em "Buscar". As
opções do Qt (-platform, -style, ...) passam ao Qt.

Com um comando, não abre janela: desenha, grava e termina (status 0 quando
deu certo; 2 com uma linha em stderr dizendo o problema, sem gravar nada).

Comandos:
  --export-chart FILE  grava a carta solar como copiada (460 x 460 pixels, no
                       formato da extensão: PNG, JPEG, BMP...) ou, com .pdf,
                       impressa numa página
  --export-wind FILE   grava a rosa dos ventos da cidade (imagem ou .pdf)
  --export-sheet FILE  grava a folha de projeto numa página A4 (.pdf, ou .png
                       a 300 dpi): a carta em escala, as entradas, a legenda
                       e, para uma cidade com arquivo de ventos, a rosa dos
                       ventos com as suas tabelas
  --import FILE        inclui uma cidade na base a partir de um arquivo horário
                       (formato regional com "Localização" ou EnergyPlus .epw)
  --shading-report FILE.csv
                       grava em CSV, e mostra, quanto as máscaras sombreiam a
                       fachada no ano da cidade (que precisa de arquivo
                       horário): horas de sol em frente à fachada, por classe
                       de temperatura, e radiação direta na fachada (kWh/m²)
  --sun-position       escreve a posição do sol (altitude: e azimute:, graus a
                       partir do norte no sentido horário) e, com
                       --orientation, os ângulos alfa:, beta: e gama: que
                       fariam a borda de uma máscara passar por ela

Opções da carta:
  --latitude DEG       latitude de -65 a 65 (vírgula decimal aceita)
  --city NAME          cidade da base pelo nome gravado, como São_Paulo
  --orientation DEG    liga o transferidor com essa orientação
  --reference R        ângulos medidos pela referência interna ou externa
  --alfa A[,A2]        ângulos alfa (0 a 90); o segundo liga a segunda caixa
  --beta-right B[,B2]  ângulos beta à direita
  --beta-left B[,B2]   ângulos beta à esquerda
  --gamma-right G[,G2] ângulos gama à direita
  --gamma-left G[,G2]  ângulos gama à esquerda
  --no-paths           desmarca "Trajetória Zenita"
  --radius CM          raio da carta no papel, só para .pdf e a folha
                       (padrão 6; na folha, no máximo 6)
  --overlay Q          dados horários da cidade sobre as trajetórias:
                       temperaturas, global ou direta
  --period 1|2         1: até 21 de Junho (padrão); 2: após 21 de Junho

Opções da posição do sol (também --latitude, --orientation e --reference):
  --date D/M           dia e mês, num ano de 365 dias
  --hour H             hora solar de 0 a 24, em horas decimais (10.5 é 10:30)

Opções da rosa dos ventos (também na folha):
  --mode M             velocidades predominantes (padrão) ou frequencia

Opções da inclusão:
  --replace            substitui uma cidade que já está na base
  --spring D/M/H       início da primavera (dia/mês/hora); da mesma forma
  --summer D/M/H       o verão, o outono e o inverno; sem elas, os padrões
  --autumn D/M/H       da janela para o hemisfério do arquivo
  --winter D/M/H

Base de cidades:
  --database DIR       usa a base dessa pasta (Latitudes.csv e cidades/).
                       Sem ela: a pasta do programa quando ele roda de onde
                       foi compilado; instalado, a pasta de dados do usuário
                       (~/.local/share/zenita), criada na primeira vez como
                       cópia da base instalada.

  --help               mostra este texto
  --version            mostra a versão
)");
}

QString versionText() {
    return QStringLiteral("ZENITA " ZENITA_VERSION "\n");
}
