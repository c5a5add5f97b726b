// The window's side of the database recovery (climate/DatabaseRecovery.h):
// run before the window first reads the city list.
#pragma once

struct Services;

// Puts the database right after a change that was cut short. A failure is
// shown as "Erro!" with its details; the database is then read as it stands.
void recoverDatabase(const Services& services);
