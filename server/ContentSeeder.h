#pragma once

class DemoDatabase;

// The distributor's content: ticker text, announcements / opening advertisements with their
// markers and search texts, and the list of downloadable documents.
class ContentSeeder {
public:
    static void seed(DemoDatabase& db);
};
