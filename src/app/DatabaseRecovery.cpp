#include "app/DatabaseRecovery.h"

#include "app/Services.h"
#include "climate/ClimateErrors.h"
#include "climate/DatabaseRecovery.h"
#include "climate/Messages.h"
#include "widgets/Dialogs.h"

void recoverDatabase(const Services& services) {
    try {
        climate::recoverDatabase(services.baseDirectory);
    } catch (const climate::ClimateError& error) {
        services.dialogs->show(MessageKind::Error, climate::errorMessage(), error.message());
    }
}
