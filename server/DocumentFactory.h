#pragma once
#include <QByteArray>
#include <QString>

class DemoDatabase;

// The downloadable documents, made from the current data: a price list (xlsx), a campaign
// brochure and a return form (pdf), a dealer contract (docx), a catalogue cover (jpg), a logo
// (png) and a stock list (csv).
class DocumentFactory {
public:
    // Empty for an unknown kind.
    static QByteArray make(const DemoDatabase& db, const QString& kind);

private:
    static QByteArray priceListXlsx(const DemoDatabase& db);
    static QByteArray campaignPdf(const DemoDatabase& db);
    static QByteArray returnFormPdf();
    static QByteArray contractDocx();
    static QByteArray picture(const char* format, int width, int height, const QString& title);
    static QByteArray stockCsv(const DemoDatabase& db);
};
