#include "app/ChartPicture.h"

#include "app/Assets.h"
#include "app/UZenita.h"

std::optional<output::Pictograms> referencePictograms(int referenceItem) {
    if (referenceItem != 0 && referenceItem != 1) {
        return std::nullopt;
    }
    const QString set = referenceItem == 0 ? QStringLiteral("Interno") : QStringLiteral("Externo");
    return output::Pictograms{loadAsset(QStringLiteral("IAlfa") + set),
                              loadAsset(QStringLiteral("IBeta") + set),
                              loadAsset(QStringLiteral("IGama") + set)};
}

QImage composeChartPicture(TFormZenita& form) {
    return output::composeChart(form.chartLayers(),
                                referencePictograms(form.controls().rgAngulos->currentIndex()));
}
