#include "chart/AnnotationBlock.h"

namespace chart {

namespace {

// Where a family's one or two lines go and how they are labelled: "Alfa : "
// for a single angle, "Alfa 1 : " and "Alfa 2 : " for two.
struct FamilyBlock {
    const AnglePair ChartInputs::*pair;
    const char* single;
    const char* first;
    const char* second;
    QPoint firstAt;
    QPoint secondAt;
};

const FamilyBlock kFamilies[] = {
    {&ChartInputs::alpha, "Alfa : ", "Alfa 1 : ", "Alfa 2 : ", {310, 2}, {310, 14}},
    {&ChartInputs::betaRight, "Beta d : ", "Beta d1 : ", "Beta d2 : ", {305, 408}, {305, 420}},
    {&ChartInputs::betaLeft, "Beta e : ", "Beta e1 : ", "Beta e2 : ", {305, 432}, {305, 444}},
    {&ChartInputs::gammaRight, "Gama d : ", "Gama d1 : ", "Gama d2 : ", {85, 408}, {85, 420}},
    {&ChartInputs::gammaLeft, "Gama e : ", "Gama e1 : ", "Gama e2 : ", {85, 432}, {85, 444}},
};

}  // namespace

std::vector<AnnotationEntry> annotationEntries(const ChartInputs& inputs) {
    std::vector<AnnotationEntry> entries;
    entries.push_back({{2, 2}, QStringLiteral("Latitude : ") + inputs.latitudeText});
    if (!inputs.cityName.isEmpty()) {
        entries.push_back({{2, 15}, inputs.cityName});
    }
    if (inputs.protractor) {
        entries.push_back({{2, 28}, QStringLiteral("Transferidor : ") + inputs.orientation.text()});
    }
    for (const FamilyBlock& family : kFamilies) {
        const AnglePair& pair = inputs.*family.pair;
        if (!pair.first.checked) {
            continue;
        }
        if (pair.second.checked) {
            entries.push_back(
                {family.firstAt, QString::fromUtf8(family.first) + pair.first.angle.text()});
            entries.push_back(
                {family.secondAt, QString::fromUtf8(family.second) + pair.second.angle.text()});
        } else {
            entries.push_back(
                {family.firstAt, QString::fromUtf8(family.single) + pair.first.angle.text()});
        }
    }
    return entries;
}

void drawAnnotationBlock(Canvas& imagem, const ChartInputs& inputs) {
    imagem.setFontBold(false);
    imagem.setFontSize(8);
    imagem.setFontColor(Qt::black);
    for (const AnnotationEntry& entry : annotationEntries(inputs)) {
        imagem.textOut(entry.topLeft.x(), entry.topLeft.y(), entry.text);
    }
}

}  // namespace chart
