#pragma once
#include "DemoServerOptions.h"

#include <QString>

class DemoDatabase;
class MediaStore;

// What the method families share on the server thread.
struct DemoContext {
    DemoDatabase* db = nullptr;
    MediaStore* media = nullptr;
    DemoServerOptions options;
    QString dataDir;
};
