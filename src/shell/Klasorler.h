#pragma once
#include <QString>

// The current user's Documents folder, or empty when the system names none.
QString BelgelerKlasoru();

// The client's per-user settings folder: "orvak" in the user's configuration folder, created when
// missing (a failed creation is not reported). No trailing separator. Never throws.
QString AyarKlasoru();
